#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// What a download achieved, for the message the user sees.
struct CardWriteResult
{
    bool ok = false;            // the card file is complete under its final name
    QString path;               // the card file
    QString message;            // plain sentence naming the file and the reason; empty on a clean success
    QStringList problemNames;   // "picture 2", "frame 5 of sequence 1": written as black blocks
    QList<int> problemBlocks;   // their block numbers, from 1

    // Written, and every picture was read.
    bool complete() const { return ok && problemBlocks.isEmpty(); }
};

Q_DECLARE_METATYPE(CardWriteResult)
