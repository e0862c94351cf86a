#pragma once

#include "card/CardWriteResult.h"
#include "card/ChosenStick.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>

class ImageObject;
class MediaObject;
class StagedFile;
class WriteSteps;

// Writes a playlist to a card file: the table of contents, then one block per
// picture and per frame. The blocks are streamed one at a time into a
// temporary file beside the target, which replaces the target only once every
// block is on the device; a failed download leaves the old card file as it was.
// Runs on any thread; holds no state between downloads.
class CardWriter
{
    Q_DECLARE_TR_FUNCTIONS(CardWriter)
public:
    // Bytes a new file in the folder may use; negative when unknown.
    using FreeSpaceQuery = std::function<qint64(const QString &folder)>;

    CardWriter();
    void setFreeSpaceQuery(FreeSpaceQuery query);
    // Called on the writing thread after each block: blocks written, blocks in all.
    using Progress = std::function<void(int written, int total)>;
    void setProgress(Progress report) { progress = std::move(report); }
    // Checked before every block: once set, the download stops and saves nothing.
    void setCancelFlag(const std::atomic<bool> *flag) { cancel = flag; }
    // The system calls the card file is written with; tests hand in ones
    // that fail. Not owned; the real calls when none is set.
    void setWriteSteps(WriteSteps *calls) { steps = calls; }
    static qint64 storageFreeSpace(const QString &folder);
    // Free bytes of a volume from its reported sizes; -1 (unknown) when it
    // reports no total size at all, as some drivers do.
    static qint64 usableSpace(qint64 total, qint64 available);

    // How an existing card at the path gives way to the new one.
    enum class Replace {
        Beside,          // the old card stays until the new one is complete; its space is not counted
        MakeRoomIfNeeded // the user agreed to replace it: when only its space lets the new card fit,
                         // it is removed first
    };

    // Any thread. stick, when given, must still be the volume at its mount
    // point before the file is created and again before it takes its name.
    CardWriteResult write(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences,
                          const QString &path, const ChosenStick &stick = ChosenStick(),
                          Replace replace = Replace::Beside) const;

private:
    struct Block {
        ImageObject *record;
        int expectedLength;
        QString name;
    };
    static QList<Block> collectBlocks(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences);
    static int expectedLength(ImageObject *record);
    // Empty when the card fits; sets makeRoom when it fits only in the old card's place.
    QString spaceProblem(const QString &path, qint64 needed, Replace replace, bool &makeRoom) const;
    static bool writeBlock(StagedFile &file, const Block &block, int number, CardWriteResult &result);
    // Empty when the table and every block reached the device; else the reason.
    QString streamProblem(StagedFile &file, const QByteArray &table, const QList<Block> &blocks,
                          CardWriteResult &result) const;
    bool cancelled() const { return cancel && cancel->load(); }
    static QString problemSummary(const CardWriteResult &result);

    FreeSpaceQuery freeSpace;
    const std::atomic<bool> *cancel = nullptr;
    WriteSteps *steps = nullptr;
    Progress progress;
};
