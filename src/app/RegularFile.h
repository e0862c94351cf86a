#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QFile;

// Files a user names may be FIFOs, devices or sockets: opening those for
// reading can block forever, and writing over them destroys them. Only
// regular files (or symbolic links to them) are ever opened or replaced.
class RegularFile
{
    Q_DECLARE_TR_FUNCTIONS(RegularFile)
public:
    // Why path is not a regular file, as the end of a sentence ("it is a
    // named pipe (FIFO), not a file."); empty for a regular file, a missing
    // file or a folder, which callers word themselves.
    static QString specialKind(const QString &path);

    // Opens file (its fileName()) for reading without ever blocking: checked
    // before opening, opened non-blocking, checked again on the open handle.
    // Empty on success; otherwise the reason as the end of a sentence.
    static QString openForReading(QFile &file);

    // Why output must not be written: it is one of inputs (also through
    // another name or a link), or it exists and is not a regular file.
    // Empty for a new name or another regular file. inputs that do not exist are ignored.
    static QString outputProblem(const QString &output, const QStringList &inputs);
};
