#include "app/AtomicFileWriter.h"

#include <QFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

bool AtomicFileWriter::write(const QString &path, const std::function<bool(QIODevice &)> &write, Sync sync,
                             QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    QTemporaryFile file(path + QLatin1String(".XXXXXX"));
    if (!file.open())
        return fail(file.errorString());
    if (!write(file))
        return fail(file.errorString().isEmpty() ? QStringLiteral("the data could not be written")
                                                 : file.errorString());
    if (!file.flush())
        return fail(file.errorString());
    if (sync == Sync::ToDisk && ::fsync(file.handle()) != 0)
        return fail(qt_error_string(errno));
    // rename(2) replaces the old file in one step; QFile::rename would refuse it.
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return fail(qt_error_string(errno)); // the temporary file removes itself
    file.setAutoRemove(false); // it would remove the file under its new name
    return true;
}
