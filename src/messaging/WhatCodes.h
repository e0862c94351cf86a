#pragma once

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
};
}
