#include "project/ProjectWriter.h"

#include "app/DisplayParameters.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "project/ProjectDatabase.h"
#include "project/ProjectLog.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int maxNamesInMessage = 10;
constexpr qint64 schemaOverhead = 1 << 20;

const char *kRecordValues = "list_index, type, display_time, capture_time, contrast,"
                            " crop_left, crop_top, crop_right, crop_bottom,"
                            " source_suffix, source, thumbnail, preview, led_data";

qint64 fileSize(const QString &path)
{
    return path.isEmpty() ? 0 : QFileInfo(path).size();
}

QByteArray readWhole(const QString &path)
{
    QFile file(path);
    return !path.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The suffix the source copy gets back when the project is opened: letters
// and digits only, so that a name from a file can never leave the temp folder.
QString safeSuffix(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool safe = suffix.size() <= 8 && std::all_of(suffix.begin(), suffix.end(), [](QChar c) {
                          return c.unicode() < 128 && c.isLetterOrNumber();
                      });
    return safe ? suffix : QString();
}

// Permissions of a new file: what the user's umask allows, as for any file
// the user creates (the temporary file starts private).
mode_t newFileMode()
{
    QFile status(QStringLiteral("/proc/self/status"));
    mode_t mask = 022;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint value = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    mask = mode_t(value);
            }
        }
    }
    return 0666 & ~mask;
}

// Empty when the file's data reached the disk (file systems that cannot sync say so; that is fine).
QString syncPath(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    QString problem;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP && errno != ENOSYS && errno != EROFS)
        problem = qt_error_string(errno);
    ::close(fd);
    return problem;
}

QString failureReason(const QSqlError &error)
{
    switch (ProjectDatabase::classify(error)) {
    case ProjectDatabase::Failure::DiskFull:
        return ProjectWriter::tr("the disk is full");
    case ProjectDatabase::Failure::ReadOnly:
        return ProjectWriter::tr("the disk or folder is read-only");
    default:
        return ProjectDatabase::reason(error);
    }
}

} // namespace

ProjectWriter::Input ProjectWriter::Input::current(const QList<ImageObject *> &pictures,
                                                    const QList<MediaObject *> &sequences)
{
    Input input;
    input.ledCount = DisplayParameters::ledCount();
    input.lineCount = DisplayParameters::lineCount();
    input.calibration = ProjectCalibration::current();
    input.pictures = pictures;
    input.sequences = sequences;
    return input;
}

ProjectWriter::ProjectWriter()
    : freeSpace([](const QString &folder) -> qint64 {
          const QStorageInfo storage(folder);
          return storage.isValid() && storage.isReady() ? storage.bytesAvailable() : -1;
      })
{
}

qint64 ProjectWriter::estimatedSize(const Input &input)
{
    qint64 bytes = schemaOverhead;
    auto add = [&bytes](ImageObject *record, bool withSource) {
        bytes += record->ledDataLength() + fileSize(record->thumbnailPath()) + fileSize(record->previewPath());
        if (withSource)
            bytes += fileSize(record->sourcePath());
    };
    for (ImageObject *picture : input.pictures)
        add(picture, true);
    for (const MediaObject *sequence : input.sequences) {
        for (ImageObject *frame : sequence->frames())
            add(frame, false);
    }
    return bytes;
}

QString ProjectWriter::spaceProblem(const Input &input, const QString &folder) const
{
    const qint64 available = freeSpace ? freeSpace(folder) : -1;
    const qint64 needed = estimatedSize(input);
    if (available < 0 || available >= needed)
        return QString();
    // The old file stays until the new one is complete, so its space does not count.
    const QLocale locale;
    return tr("it needs about %1, but only %2 are free on %3")
        .arg(locale.formattedDataSize(needed), locale.formattedDataSize(available), folder);
}

ProjectWriter::Result ProjectWriter::save(const Input &input, const QString &path) const
{
    const QFileInfo target(path);
    Result result;
    result.path = target.absoluteFilePath();
    const QString folder = target.absolutePath();
    auto failed = [&result, &target](const QString &why) {
        result.message = tr("Cannot save the project %1: %2.").arg(result.path, why);
        if (target.isFile())
            result.message += QLatin1Char(' ') + tr("The file on disk is unchanged.");
        qCDebug(lcProject) << "#ProjectWriter# save failed:" << result.message;
        return result;
    };

    if (const QString missingDriver = ProjectDatabase::driverProblem(); !missingDriver.isEmpty())
        return failed(missingDriver);
    if (target.isDir())
        return failed(tr("it is a folder"));
    if (!QFileInfo(folder).isDir())
        return failed(tr("the folder %1 does not exist").arg(folder));
    // The mode bits decide, even for a user whom the system would let write anyway.
    const bool existed = target.exists();
    if (existed && !(target.permissions() & QFileDevice::WriteOwner))
        return failed(tr("the file is read-only; use Save As to save it under another name"));
    if (const QString shortOfSpace = spaceProblem(input, folder); !shortOfSpace.isEmpty())
        return failed(shortOfSpace);

    QTemporaryFile temp(folder + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!temp.open())
        return failed(tr("no file can be created in the folder %1 (%2)").arg(folder, temp.errorString()));
    temp.close(); // SQLite opens it by name
    const QString tempPath = temp.fileName();

    const QString notWritten = writeDatabase(input, tempPath, result);
    if (result.cancelled) {
        result.message = tr("Saving %1 was cancelled; the file on disk is unchanged.").arg(result.path);
        return result;
    }
    if (!notWritten.isEmpty())
        return failed(notWritten);

    // A saved-over file keeps its permissions; a new one gets the usual ones.
    struct stat old {};
    const bool keepMode = existed && ::stat(QFile::encodeName(result.path).constData(), &old) == 0;
    if (::chmod(QFile::encodeName(tempPath).constData(), keepMode ? (old.st_mode & 07777) : newFileMode()) != 0)
        qCDebug(lcProject) << "#ProjectWriter# permissions not set:" << qt_error_string(errno);
    if (const QString unsynced = syncPath(tempPath, O_RDONLY); !unsynced.isEmpty())
        return failed(unsynced);
    if (::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(result.path).constData()) != 0)
        return failed(qt_error_string(errno));
    temp.setAutoRemove(false); // it has its final name now
    if (const QString unconfirmed = syncPath(folder, O_RDONLY | O_DIRECTORY); !unconfirmed.isEmpty())
        qCDebug(lcProject) << "#ProjectWriter# folder not synced:" << unconfirmed;

    result.ok = true;
    if (!result.missing.isEmpty()) {
        QStringList names = result.missing.mid(0, maxNamesInMessage);
        if (result.missing.size() > maxNamesInMessage)
            names.append(tr("and %1 more").arg(result.missing.size() - maxNamesInMessage));
        result.message = tr("The project %1 was saved, but the LED data of %2 could not be read; "
                            "the display shows black there. Convert those pictures again and save once more.")
                             .arg(result.path, names.join(QLatin1String(", ")));
    }
    qCDebug(lcProject) << "#ProjectWriter# saved" << result.path;
    return result;
}

QString ProjectWriter::writeDatabase(const Input &input, const QString &path, Result &result) const
{
    ProjectDatabase db(path, ProjectDatabase::Mode::Create);
    if (!db.isOpen())
        return failureReason(db.lastError());
    // Nothing needs a journal: a file that is not complete never gets the project's name.
    const QStringList setup = {
        QStringLiteral("PRAGMA page_size = %1").arg(ProjectDatabase::pageSize),
        QStringLiteral("PRAGMA journal_mode = OFF"),
        QStringLiteral("PRAGMA synchronous = OFF"),
        QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"),
        QStringLiteral("PRAGMA application_id = %1").arg(ProjectDatabase::applicationId),
        QStringLiteral("PRAGMA user_version = %1").arg(ProjectDatabase::schemaVersion),
        QStringLiteral("BEGIN"),
    };
    for (const QString &statement : setup + ProjectDatabase::schema()) {
        if (!db.exec(statement))
            return failureReason(db.lastError());
    }
    const QString notWritten = writeRecords(db, input, result);
    if (!notWritten.isEmpty() || result.cancelled)
        return notWritten;
    if (!db.exec(QStringLiteral("COMMIT")))
        return failureReason(db.lastError());
    return checkDatabase(db, result);
}

bool ProjectWriter::insertRecord(QSqlQuery &query, int first, ImageObject *record, bool withSource,
                                 const QString &name, Result &result)
{
    const QRect crop = record->cropRect();
    const QString source = withSource ? record->sourcePath() : QString();
    const QByteArray sourceBytes = readWhole(source);
    const QByteArray led = record->ledData();
    if (led.isEmpty())
        result.missing.append(name);
    const QVariant values[] = {
        record->index(),
        record->type(),
        record->displayTime(),
        double(record->captureTime()),
        double(record->contrast()),
        crop.left(),
        crop.top(),
        crop.right(),
        crop.bottom(),
        // Text even when empty: the column takes no NULL.
        QString::fromLatin1("", 0) + (sourceBytes.isEmpty() ? QString() : safeSuffix(source)),
        sourceBytes,
        record->scratchPicture(ImageObject::Scratch::Thumbnail),
        record->scratchPicture(ImageObject::Scratch::Preview),
        led,
    };
    int column = first;
    for (const QVariant &value : values)
        query.bindValue(column++, value);
    result.ledBytes += led.size();
    return query.exec();
}

QString ProjectWriter::writeRecords(ProjectDatabase &db, const Input &input, Result &result) const
{
    const QString columns = QLatin1String(kRecordValues);
    const QString marks = QStringLiteral(", ?").repeated(14);
    QSqlQuery query(db.connection());
    auto run = [&](const QString &sql, const QVariantList &values) {
        if (!query.prepare(sql))
            return false;
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values.at(i));
        return query.exec();
    };
    auto refused = [&]() {
        db.setError(query.lastError());
        return failureReason(query.lastError());
    };

    if (!run(QStringLiteral("INSERT INTO project (id, led_count, line_count) VALUES (1, ?, ?)"),
             {input.ledCount, input.lineCount}))
        return refused();
    for (int key = 1; key <= int(input.calibration.steps.size()); ++key) {
        const ProjectCalibration::Step &step = input.calibration.steps[size_t(key - 1)];
        if (!run(QStringLiteral("INSERT INTO calibration (step, red, green, blue) VALUES (?, ?, ?, ?)"),
                 {key, step.red, step.green, step.blue}))
            return refused();
    }
    for (int s = 0; s < input.sequences.size(); ++s) {
        const MediaObject *sequence = input.sequences.at(s);
        if (!run(QStringLiteral("INSERT INTO sequence (position, list_index, name, gif, loop_count)"
                                " VALUES (?, ?, ?, ?, ?)"),
                 {s, sequence->index(), sequence->name(), int(sequence->isGif()), sequence->loopCount()}))
            return refused();
    }

    int total = int(input.pictures.size());
    for (const MediaObject *sequence : input.sequences)
        total += sequence->frameCount();
    int done = 0;
    auto carryOn = [&]() {
        ++done;
        if (progress && !progress(done, total))
            result.cancelled = true;
        return !result.cancelled;
    };

    if (!query.prepare(QStringLiteral("INSERT INTO picture (position, %1) VALUES (?%2)").arg(columns, marks)))
        return refused();
    for (int row = 0; row < input.pictures.size(); ++row) {
        query.bindValue(0, row);
        if (!insertRecord(query, 1, input.pictures.at(row), true, tr("picture %1").arg(row + 1), result))
            return refused();
        if (!carryOn())
            return QString();
    }
    if (!query.prepare(QStringLiteral("INSERT INTO frame (sequence, position, %1) VALUES (?, ?%2)").arg(columns, marks)))
        return refused();
    for (int s = 0; s < input.sequences.size(); ++s) {
        const QList<ImageObject *> &frames = input.sequences.at(s)->frames();
        for (int f = 0; f < frames.size(); ++f) {
            query.bindValue(0, s);
            query.bindValue(1, f);
            if (!insertRecord(query, 2, frames.at(f), false, tr("frame %1 of sequence %2").arg(f + 1).arg(s + 1),
                              result))
                return refused();
            if (!carryOn())
                return QString();
        }
    }
    result.records = done;
    return QString();
}

QString ProjectWriter::checkDatabase(ProjectDatabase &db, const Result &result)
{
    bool ok = false;
    const QString verdict = db.value(QStringLiteral("PRAGMA quick_check"), &ok).toString();
    if (!ok)
        return failureReason(db.lastError());
    if (verdict != QLatin1String("ok"))
        return tr("the new file did not pass its check (%1)").arg(verdict);
    const qint64 records = db.value(QStringLiteral("SELECT (SELECT count(*) FROM picture) + (SELECT count(*) FROM frame)"))
                               .toLongLong();
    const qint64 ledBytes = db.value(QStringLiteral("SELECT (SELECT total(length(led_data)) FROM picture)"
                                                    " + (SELECT total(length(led_data)) FROM frame)"))
                                .toLongLong();
    if (records != result.records || ledBytes != result.ledBytes)
        return tr("the new file does not hold what was written (%1 of %2 pictures and frames)")
            .arg(records)
            .arg(result.records);
    return QString();
}
