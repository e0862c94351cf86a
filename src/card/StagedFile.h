#pragma once

#include "card/WriteSteps.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Writes a file under a temporary name of ours beside the target and puts it
// in place of the target only once every byte is on the device: a failed or
// interrupted write never leaves a half-written file under the final name and
// never touches the old one. Every step reports its own failure: an open,
// a write (also one that is refused without a reason: a full device), the
// flush to the device, the close, the rename and the folder's confirmation.
// One thread at a time.
class StagedFile
{
    Q_DECLARE_TR_FUNCTIONS(StagedFile)
public:
    // The temporary name is the target's with this and six random characters
    // appended: clearly ours, so that leftovers of a killed run can be found.
    static constexpr char partialMarker[] = ".rotavue-partial-";

    explicit StagedFile(const QString &target, WriteSteps &steps = WriteSteps::system());
    // Removes the temporary file unless commit() succeeded.
    ~StagedFile();
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    // Each returns false on failure; errorString() then says which step failed and why.
    bool open();
    bool write(const QByteArray &bytes);
    bool write(const char *data, qint64 size);
    // Flushes the data to the device and closes the file, still under its temporary name.
    bool finish();
    // finish() if not done yet, then the rename over the target and the folder's
    // confirmation. When only the confirmation failed, isInPlace() is true and
    // errorString() holds the system's reason alone.
    bool commit();
    bool isInPlace() const { return done; }
    // Drops what was written; the target stays as it was.
    void discard();

    QString target() const { return finalPath; }
    QString partialPath() const { return partial; }
    QString errorString() const { return problem; }

    // Whether name (a file name without folder) is one of our temporary names.
    static bool isPartialName(const QString &name);
    // Removes the temporary files that runs killed mid-write left in folder:
    // regular files with our temporary names that no running write holds
    // (each write keeps a lock on its file). Nothing else is touched.
    // Returns the names removed.
    static QStringList removeLeftovers(const QString &folder);

private:
    bool fail(const QString &why);
    static bool syncUnsupported(int error);
    QString syncFolder() const;

    QString finalPath;
    WriteSteps &steps;
    QString partial;
    int fd = -1;
    bool finished = false;
    bool done = false;
    QString problem;
};
