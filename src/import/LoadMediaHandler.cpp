#include "import/LoadMediaHandler.h"

#include "import/VideoLog.h"
#include "import/VideoPreviewPlayer.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"

#include <QMutexLocker>

LoadMediaHandler::LoadMediaHandler(HandlerThread *loop, QObject *parent) : HandlerMessage(loop, parent)
{
}

LoadMediaHandler::~LoadMediaHandler()
{
    running.store(false);
    removeHandlerMessages(WhatCode::WaitPlayer);
    removeHandlerMessages(WhatCode::SeekVideo);
    detachFromLooper();
}

void LoadMediaHandler::setPlayer(VideoPreviewPlayer *newPlayer)
{
    QMutexLocker locker(&playerLock);
    player = newPlayer;
}

void LoadMediaHandler::waitForPlayer()
{
    removeHandlerMessages(WhatCode::WaitPlayer);
    sendHandlerMessage(obtainMessage(WhatCode::WaitPlayer, nullptr, QStringLiteral("0")));
}

void LoadMediaHandler::seekPreview(int second)
{
    removeHandlerMessages(WhatCode::SeekVideo);
    sendHandlerMessageDelayed(obtainMessage(WhatCode::SeekVideo, nullptr, QString::number(second)), pollMs);
}

void LoadMediaHandler::handlerMessage(Message *msg)
{
    if (!running.load())
        return;
    QMutexLocker locker(&playerLock);
    if (!player)
        return;
    if (msg->what == WhatCode::WaitPlayer) {
        const int state = player->state();
        qCDebug(lcVideo) << "wait vlc state: " << state;
        if (state == VideoPreviewPlayer::Playing) {
            emit vlcPlaying();
        } else if (state == VideoPreviewPlayer::Error) {
            emit vlcOpenFileError();
        } else {
            const int polls = msg->text.toInt() + 1;
            if (polls >= maxPolls)
                emit vlcOpenFileError();
            else
                sendHandlerMessageDelayed(obtainMessage(WhatCode::WaitPlayer, nullptr, QString::number(polls)), pollMs);
        }
    } else if (msg->what == WhatCode::SeekVideo && !cuttingNow.load()) {
        player->setPause(true);
        player->setTime(msg->text.toLongLong() * 1000);
    }
}
