#include "project/ProjectReader.h"

#include "app/RegularFile.h"

#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/PolarSampling.h"
#include "project/ProjectDatabase.h"
#include "project/ProjectLog.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QThread>
#include <QtEndian>

#include <atomic>
#include <cmath>

namespace {

std::atomic<int> g_sourceCopyNumber{1};

constexpr int headerSize = 100;            // SQLite's database header
constexpr qint64 maxPictureBlob = 16 << 20; // thumbnails, previews, raw card blocks
constexpr qint64 maxSourceBlob = 512 << 20;
constexpr int maxLedCount = 500;
constexpr int maxLineCount = 600;
constexpr double maxDisplayTime = 100;
constexpr double maxContrast = 10;

const char kSqliteMagic[] = "SQLite format 3";

const char *kRecordColumns = "list_index, type, display_time, capture_time, contrast,"
                             " crop_left, crop_top, crop_right, crop_bottom,"
                             " source_suffix, source, thumbnail, preview, led_data";

enum RecordColumn {
    ListIndex, Type, DisplayTime, CaptureTime, Contrast, CropLeft, CropTop, CropRight, CropBottom,
    SourceSuffix, Source, Thumbnail, Preview, LedData
};

bool inRange(double value, double low, double high)
{
    return std::isfinite(value) && value >= low && value <= high;
}

// quick_check's first line that says what is wrong (it may start with the database's name).
QString firstFinding(const QString &verdict)
{
    for (const QString &line : verdict.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.startsWith(QLatin1String("***")))
            return line;
    }
    return verdict;
}

bool isSafeSuffix(const QString &suffix)
{
    static const QRegularExpression safe(QStringLiteral("^[a-z0-9]{0,8}$"));
    return safe.match(suffix).hasMatch();
}

} // namespace

struct ProjectReader::Reading {
    QString path;
    std::unique_ptr<ProjectContent> content = std::make_unique<ProjectContent>();
    int total = 0;
    int done = 0;
    bool cancelled = false;
    QStringList sourceCopies; // removed again when the reading fails
};

ProjectReader::Header ProjectReader::fail(Header header, const QString &message)
{
    header.ok = false;
    header.message = message;
    qCDebug(lcProject) << "#ProjectReader# refused:" << message;
    return header;
}

QString ProjectReader::damaged(const QString &path, const QString &detail)
{
    return tr("The project file %1 is damaged or incomplete and cannot be opened (%2).").arg(path, detail);
}

// What the file itself says before SQLite reads it: empty, something else, cut short.
QString ProjectReader::headerProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return tr("The project file %1 does not exist.").arg(path);
    if (info.isDir())
        return tr("%1 is a folder, not a project file.").arg(path);
    // A pipe or a device would block the read below and the database open after it.
    QFile file(path);
    if (const QString why = RegularFile::openForReading(file); !why.isEmpty())
        return tr("The project file %1 cannot be read: %2").arg(path, why);
    if (file.size() == 0)
        return tr("%1 is not a Rotavue project: the file is empty.").arg(path);
    const QByteArray head = file.read(headerSize);
    if (!head.startsWith(QByteArray(kSqliteMagic, sizeof kSqliteMagic)))
        return tr("%1 is not a Rotavue project.").arg(path);
    if (head.size() < headerSize)
        return damaged(path, tr("the file ends after %n bytes", nullptr, int(head.size())));
    return QString();
}

bool ProjectReader::looksLikeProject(const QString &path)
{
    QFile file(path);
    if (!RegularFile::openForReading(file).isEmpty())
        return false;
    const QByteArray head = file.read(headerSize);
    // SQLite keeps the application id big-endian at offset 68 of its header.
    return head.size() == headerSize && head.startsWith(QByteArray(kSqliteMagic, sizeof kSqliteMagic))
           && qFromBigEndian<qint32>(head.constData() + 68) == ProjectDatabase::applicationId;
}

ProjectReader::Header ProjectReader::inspect(const QString &path)
{
    Header header;
    header.path = QFileInfo(path).absoluteFilePath();
    if (const QString missingDriver = ProjectDatabase::driverProblem(); !missingDriver.isEmpty())
        return fail(header, missingDriver);
    if (const QString problem = headerProblem(header.path); !problem.isEmpty())
        return fail(header, problem);

    ProjectDatabase db(header.path, ProjectDatabase::Mode::ReadOnly);
    auto refused = [&header, &db]() {
        const QSqlError error = db.lastError();
        switch (ProjectDatabase::classify(error)) {
        case ProjectDatabase::Failure::NotADatabase:
            return fail(header, tr("%1 is not a Rotavue project.").arg(header.path));
        case ProjectDatabase::Failure::Damaged:
            return fail(header, damaged(header.path, ProjectDatabase::reason(error)));
        default:
            return fail(header, tr("The project file %1 cannot be read: %2.")
                                    .arg(header.path, ProjectDatabase::reason(error)));
        }
    };
    if (!db.isOpen())
        return refused();
    bool ok = false;
    const qint64 id = db.value(QStringLiteral("PRAGMA application_id"), &ok).toLongLong();
    if (!ok)
        return refused();
    if (id != ProjectDatabase::applicationId)
        return fail(header, tr("%1 is not a Rotavue project: it is a database of another program.").arg(header.path));
    header.version = db.value(QStringLiteral("PRAGMA user_version"), &ok).toInt();
    if (!ok)
        return refused();
    if (header.version > ProjectDatabase::schemaVersion)
        return fail(header, tr("The project file %1 was made by a newer version of Rotavue (project format %2; "
                               "this version reads up to format %3). Open it with a newer Rotavue.")
                                .arg(header.path)
                                .arg(header.version)
                                .arg(ProjectDatabase::schemaVersion));
    if (header.version < 1)
        return fail(header, damaged(header.path, tr("it names no project format")));

    QSqlQuery query(db.connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT led_count, line_count FROM project WHERE id = 1"))) {
        db.setError(query.lastError());
        return refused();
    }
    if (!query.next())
        return fail(header, damaged(header.path, tr("the display parameters are missing")));
    header.ledCount = query.value(0).toInt();
    header.lineCount = query.value(1).toInt();
    if (!inRange(header.ledCount, 1, maxLedCount) || !inRange(header.lineCount, 1, maxLineCount))
        return fail(header, damaged(header.path, tr("the display parameters %1 LEDs, %2 lines are impossible")
                                                     .arg(header.ledCount)
                                                     .arg(header.lineCount)));
    header.ok = true;
    return header;
}

ProjectReader::Result ProjectReader::read(const QString &path) const
{
    Result result;
    const Header header = inspect(path);
    result.path = header.path;
    if (!header.ok) {
        result.message = header.message;
        return result;
    }
    Reading reading;
    reading.path = header.path;
    reading.content->ledCount = header.ledCount;
    reading.content->lineCount = header.lineCount;
    QString problem;
    {
        ProjectDatabase db(header.path, ProjectDatabase::Mode::ReadOnly);
        problem = db.isOpen() ? readAll(db, reading) : sqlProblem(header.path, db.lastError());
    }
    if (reading.cancelled || !problem.isEmpty()) {
        for (const QString &copy : std::as_const(reading.sourceCopies))
            QFile::remove(copy);
    }
    if (reading.cancelled) {
        result.cancelled = true;
        result.message = tr("Opening %1 was cancelled.").arg(header.path);
        return result; // the records read so far go with the reading
    }
    if (!problem.isEmpty()) {
        result.message = problem;
        qCDebug(lcProject) << "#ProjectReader# read failed:" << problem;
        return result;
    }
    result.ok = true;
    result.content = std::move(reading.content);
    qCDebug(lcProject) << "#ProjectReader# read" << header.path << result.content->recordCount() << "records";
    return result;
}

QString ProjectReader::sqlProblem(const QString &path, const QSqlError &error)
{
    switch (ProjectDatabase::classify(error)) {
    case ProjectDatabase::Failure::Damaged:
    case ProjectDatabase::Failure::NotADatabase:
        return damaged(path, ProjectDatabase::reason(error));
    default:
        return tr("The project file %1 cannot be read: %2.").arg(path, ProjectDatabase::reason(error));
    }
}

QString ProjectReader::readAll(ProjectDatabase &db, Reading &reading) const
{
    bool ok = false;
    const QString verdict = db.value(QStringLiteral("PRAGMA quick_check"), &ok).toString();
    if (!ok)
        return sqlProblem(reading.path, db.lastError());
    if (verdict != QLatin1String("ok"))
        return damaged(reading.path, firstFinding(verdict));
    reading.total = db.value(QStringLiteral("SELECT (SELECT count(*) FROM picture) + (SELECT count(*) FROM frame)"),
                             &ok)
                        .toInt();
    if (!ok)
        return sqlProblem(reading.path, db.lastError());
    for (auto step : {&ProjectReader::readCalibration, &ProjectReader::readSequences, &ProjectReader::readPictures,
                      &ProjectReader::readFrames}) {
        const QString problem = (this->*step)(db, reading);
        if (!problem.isEmpty() || reading.cancelled)
            return problem;
    }
    return QString();
}

// A forward-only query: rows are read one at a time, never all held at once.
static bool select(ProjectDatabase &db, QSqlQuery &query, const QString &sql)
{
    query.setForwardOnly(true);
    if (query.exec(sql))
        return true;
    db.setError(query.lastError());
    return false;
}

// After the last next(): whether the rows ended or reading them failed.
static bool endedCleanly(ProjectDatabase &db, const QSqlQuery &query)
{
    if (query.lastError().isValid() && query.lastError().type() != QSqlError::NoError) {
        db.setError(query.lastError());
        return false;
    }
    return true;
}

QString ProjectReader::readCalibration(ProjectDatabase &db, Reading &reading) const
{
    QSqlQuery query(db.connection());
    if (!select(db, query, QStringLiteral("SELECT step, red, green, blue FROM calibration ORDER BY step")))
        return sqlProblem(reading.path, db.lastError());
    size_t count = 0;
    auto &steps = reading.content->calibration.steps;
    while (query.next()) {
        const int key = query.value(0).toInt();
        const int r = query.value(1).toInt();
        const int g = query.value(2).toInt();
        const int b = query.value(3).toInt();
        if (count >= steps.size() || key != int(count) + 1 || !inRange(r, 0, 255) || !inRange(g, 0, 255)
            || !inRange(b, 0, 255))
            return damaged(reading.path, tr("the colour calibration table is not valid"));
        steps[count++] = {r, g, b};
    }
    if (!endedCleanly(db, query))
        return sqlProblem(reading.path, db.lastError());
    if (count != steps.size())
        return damaged(reading.path, tr("the colour calibration table is not complete"));
    return QString();
}

QString ProjectReader::readSequences(ProjectDatabase &db, Reading &reading) const
{
    QSqlQuery query(db.connection());
    if (!select(db, query, QStringLiteral("SELECT position, list_index, name, gif, loop_count FROM sequence"
                                          " ORDER BY position")))
        return sqlProblem(reading.path, db.lastError());
    QList<MediaObject *> &sequences = reading.content->sequences;
    while (query.next()) {
        const int position = query.value(0).toInt();
        const int loops = query.value(4).toInt();
        if (position != sequences.size() || !inRange(loops, 0, 255))
            return damaged(reading.path, tr("sequence %1 is not valid").arg(sequences.size() + 1));
        auto *sequence = new MediaObject(query.value(1).toInt(), query.value(2).toString());
        sequence->setGif(query.value(3).toInt() != 0);
        sequence->setLoopCount(loops);
        if (owner)
            sequence->moveToThread(owner);
        sequences.append(sequence);
    }
    return endedCleanly(db, query) ? QString() : sqlProblem(reading.path, db.lastError());
}

QString ProjectReader::readPictures(ProjectDatabase &db, Reading &reading) const
{
    QSqlQuery query(db.connection());
    if (!select(db, query, QStringLiteral("SELECT position, %1 FROM picture ORDER BY position")
                               .arg(QLatin1String(kRecordColumns))))
        return sqlProblem(reading.path, db.lastError());
    QList<ImageObject *> &pictures = reading.content->pictures;
    while (query.next()) {
        const QString name = tr("picture %1").arg(pictures.size() + 1);
        if (query.value(0).toInt() != pictures.size())
            return damaged(reading.path, tr("%1 is missing").arg(name));
        ImageObject *record = nullptr;
        const QString problem = makeRecord(query, 1, name, reading, record);
        if (record)
            pictures.append(record);
        if (!problem.isEmpty())
            return problem;
        if (!carryOn(reading))
            return QString();
    }
    return endedCleanly(db, query) ? QString() : sqlProblem(reading.path, db.lastError());
}

QString ProjectReader::readFrames(ProjectDatabase &db, Reading &reading) const
{
    QSqlQuery query(db.connection());
    if (!select(db, query, QStringLiteral("SELECT sequence, position, %1 FROM frame ORDER BY sequence, position")
                               .arg(QLatin1String(kRecordColumns))))
        return sqlProblem(reading.path, db.lastError());
    const QList<MediaObject *> &sequences = reading.content->sequences;
    while (query.next()) {
        const int s = query.value(0).toInt();
        MediaObject *sequence = sequences.value(s);
        const QString name = tr("frame %1 of sequence %2").arg(query.value(1).toInt() + 1).arg(s + 1);
        if (!sequence || query.value(1).toInt() != sequence->frameCount())
            return damaged(reading.path, tr("%1 is out of place").arg(name));
        ImageObject *record = nullptr;
        const QString problem = makeRecord(query, 2, name, reading, record);
        if (record)
            sequence->appendFrame(record);
        if (!problem.isEmpty())
            return problem;
        if (!carryOn(reading))
            return QString();
    }
    return endedCleanly(db, query) ? QString() : sqlProblem(reading.path, db.lastError());
}

bool ProjectReader::carryOn(Reading &reading) const
{
    ++reading.done;
    if (progress && !progress(reading.done, reading.total))
        reading.cancelled = true;
    return !reading.cancelled;
}

QString ProjectReader::makeRecord(const QSqlQuery &query, int first, const QString &name, Reading &reading,
                                  ImageObject *&record) const
{
    auto column = [&query, first](RecordColumn c) { return query.value(first + c); };
    const int type = column(Type).toInt();
    const double seconds = column(DisplayTime).toDouble();
    const double capture = column(CaptureTime).toDouble();
    const double contrast = column(Contrast).toDouble();
    const QString suffix = column(SourceSuffix).toString();
    const QByteArray source = column(Source).toByteArray();
    const QByteArray thumbnail = column(Thumbnail).toByteArray();
    const QByteArray preview = column(Preview).toByteArray();
    const QByteArray led = column(LedData).toByteArray();

    const int ledCount = reading.content->ledCount;
    const int lineCount = reading.content->lineCount;
    const bool converted = type >= ImageObject::PictureFile && type <= ImageObject::GifFrame;
    const bool fromCard = type == ImageObject::CardPicture || type == ImageObject::CardFrame;
    // Converted pictures carry exactly one block for the display; card blocks are as the card had them.
    const bool ledValid = led.isEmpty() || (converted && led.size() == PolarSampling::ledDataLength(ledCount, lineCount))
                          || (fromCard && led.size() <= maxPictureBlob);
    if (!(converted || fromCard) || !inRange(seconds, 0, maxDisplayTime) || !std::isfinite(capture)
        || !inRange(contrast, 0, maxContrast) || !isSafeSuffix(suffix) || !ledValid
        || thumbnail.size() > maxPictureBlob || preview.size() > maxPictureBlob || source.size() > maxSourceBlob)
        return damaged(reading.path, tr("%1 is not valid").arg(name));

    record = new ImageObject(column(ListIndex).toInt(), QString(), seconds, type);
    if (owner)
        record->moveToThread(owner);
    record->setCaptureTime(float(capture));
    record->setContrast(float(contrast));
    record->setCropRect(QRect(QPoint(column(CropLeft).toInt(), column(CropTop).toInt()),
                              QPoint(column(CropRight).toInt(), column(CropBottom).toInt())));

    const QString scratch = WorkDirectory::tempDir();
    auto noRoom = [&]() {
        return tr("Cannot open the project %1: the scratch folder %2 cannot take the data of %3. "
                  "Free some disk space and open it again.")
            .arg(reading.path, scratch, name);
    };
    if (!source.isEmpty()) {
        // The program's own copy of the picture, as the import made it.
        WorkDirectory::ensureTempDir();
        const QString copy = scratch + QStringLiteral("project_%1").arg(g_sourceCopyNumber.fetch_add(1))
                             + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
        QFile file(copy);
        reading.sourceCopies.append(copy);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(source) != source.size()
            || !file.flush()) {
            file.remove();
            return noRoom();
        }
        record->setSourcePath(copy);
    }
    if (!record->setScratchPicture(ImageObject::Scratch::Thumbnail, thumbnail)
        || !record->setScratchPicture(ImageObject::Scratch::Preview, preview))
        return noRoom();
    if (!led.isEmpty()) {
        record->setLedData(led);
        record->saveLedData();
        if (record->memoryLedDataLength() != 0)
            return noRoom();
    }
    return QString();
}
