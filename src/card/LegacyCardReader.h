#pragma once

#include "card/CardBlockLayout.h"
#include "card/LegacyCardLayout.h"

#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <functional>

class CardRecords;
class QFile;

// Reads a legacy card file ("Z1.bin" on a stick, the factory content
// "default.bin") into pictures and sequences. Every block is read on its own
// and never beyond the end of the file, so a file that claims more than it
// holds costs one block of memory at most. Runs on any thread.
class LegacyCardReader
{
    Q_DECLARE_TR_FUNCTIONS(LegacyCardReader)
public:
    // Reading goes on only while keepReading is set (the window's stickReadOk):
    // it is checked before every picture slot, before each sequence slot's
    // frames and after every frame.
    explicit LegacyCardReader(const std::atomic<bool> &keepReading);

    // Reads path for a display of the given counts into records. Empty when
    // records came, or when reading was stopped; otherwise why the file gave
    // nothing, naming it.
    QString read(const QString &path, int ledCount, int lineCount, CardRecords &records);

    // Called after each block read (tests stop the reading part-way with it).
    void setAfterBlock(std::function<void()> hook) { afterBlock = std::move(hook); }

private:
    bool reading() const { return keepReading.load(); }
    // False, reading nothing, when fewer than size bytes are left.
    bool readBlock(QFile &file, QByteArray &block);
    void readPictures(QFile &file, CardRecords &records);
    void readSequences(QFile &file, CardRecords &records);

    const std::atomic<bool> &keepReading;
    std::function<void()> afterBlock;
    CardBlockLayout layout;
    LegacyCardLayout::Header header;
};
