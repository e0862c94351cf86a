#pragma once

#include "messaging/MessagePayload.h"

#include <QStringList>

class CardReadJob;
class DownloadJob;
class LoadObjectItem;
class MediaObject;
class RowEditor;

// What-codes of the looper. They are global: removal by code reaches every
// handler, so each code belongs to exactly one pairing of sender and handler.
namespace WhatCode {
enum : int {
    LoadImages = 1,        // picture import dialog -> LoadImagesHandler
    ImageLoaded = 2,       // LoadImagesHandler -> dialog: preview of the cropped square
    ImageConverted = 3,    // LoadImagesHandler -> dialog: LED line data built
    ImageReady = 4,        // LoadImagesHandler -> dialog: hand the picture over
    WaitPlayer = 5,        // video import: wait for the player
    FrameTick = 7,         // preview playback tick
    Download = 8,          // write the card file / download finished
    TimeUp = 9,            // row editor press-and-hold: display time +
    TimeDown = 10,         // display time -
    LoopUp = 11,           // loop count +
    LoopDown = 12,         // loop count -
    PreviewFromUsb = 14,   // read the stick's card file
    RestoreFactory = 15,   // read the factory content file
    Contrast = 16,         // apply a contrast value (debounced)
    SeekVideo = 17,        // move the video player (debounced)
    OpenCard = 20,         // read a card as download writes it
};
}

// The payload of each code, read with Message::payload<What>().
template<> struct MessagePayload<WhatCode::LoadImages> { using Type = const QStringList; };
template<> struct MessagePayload<WhatCode::ImageLoaded> { using Type = LoadObjectItem; };
template<> struct MessagePayload<WhatCode::ImageConverted> { using Type = LoadObjectItem; };
template<> struct MessagePayload<WhatCode::ImageReady> { using Type = LoadObjectItem; };
template<> struct MessagePayload<WhatCode::FrameTick> { using Type = MediaObject; };
// The request carries the playlist, the reply the same job with its result.
template<> struct MessagePayload<WhatCode::Download> { using Type = DownloadJob; };
template<> struct MessagePayload<WhatCode::TimeUp> { using Type = RowEditor; };
template<> struct MessagePayload<WhatCode::TimeDown> { using Type = RowEditor; };
template<> struct MessagePayload<WhatCode::LoopUp> { using Type = RowEditor; };
template<> struct MessagePayload<WhatCode::LoopDown> { using Type = RowEditor; };
// The request carries what to read, the reply the same job with its records.
template<> struct MessagePayload<WhatCode::PreviewFromUsb> { using Type = CardReadJob; };
template<> struct MessagePayload<WhatCode::RestoreFactory> { using Type = CardReadJob; };
template<> struct MessagePayload<WhatCode::OpenCard> { using Type = CardReadJob; };
