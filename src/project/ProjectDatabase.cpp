#include "project/ProjectDatabase.h"

#include "project/ProjectLog.h"

#include <QSqlQuery>

#include <atomic>

namespace {

std::atomic<int> g_connectionNumber{1};

const char *kDriver = "QSQLITE";

// The columns shared by pictures and frames: one picture record each.
const char *kRecordColumns =
    "list_index INTEGER NOT NULL,"
    " type INTEGER NOT NULL,"
    " display_time REAL NOT NULL,"
    " capture_time REAL NOT NULL,"
    " contrast REAL NOT NULL,"
    " crop_left INTEGER NOT NULL, crop_top INTEGER NOT NULL,"
    " crop_right INTEGER NOT NULL, crop_bottom INTEGER NOT NULL,"
    " source_suffix TEXT NOT NULL,"
    " source BLOB,"
    " thumbnail BLOB,"
    " preview BLOB,"
    " led_data BLOB";

// SQLite's primary result codes, as the driver reports them.
enum SqliteCode { Corrupt = 11, Full = 13, CantOpen = 14, NotADb = 26, ReadOnlyCode = 8, IoErr = 10 };

} // namespace

ProjectDatabase::ProjectDatabase(const QString &path, Mode mode)
    : name(QStringLiteral("rotavue-project-%1").arg(g_connectionNumber.fetch_add(1)))
{
    database = QSqlDatabase::addDatabase(QLatin1String(kDriver), name);
    database.setDatabaseName(path);
    // Read-only never creates a missing file; a project is only ever written fresh.
    if (mode == Mode::ReadOnly)
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!database.open())
        error = database.lastError();
    qCDebug(lcProject) << "#ProjectDatabase# open" << path << (mode == Mode::ReadOnly ? "read" : "create")
                       << (database.isOpen() ? "ok" : qPrintable(error.text()));
}

ProjectDatabase::~ProjectDatabase()
{
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

bool ProjectDatabase::exec(const QString &sql)
{
    QSqlQuery query(database);
    if (query.exec(sql))
        return true;
    error = query.lastError();
    qCDebug(lcProject) << "#ProjectDatabase# failed:" << sql << error.text();
    return false;
}

QVariant ProjectDatabase::value(const QString &sql, bool *ok)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    const bool done = query.exec(sql) && query.next();
    if (!done && query.lastError().isValid())
        error = query.lastError();
    if (ok)
        *ok = done;
    return done ? query.value(0) : QVariant();
}

QStringList ProjectDatabase::schema()
{
    return {
        QStringLiteral("CREATE TABLE project (id INTEGER PRIMARY KEY CHECK (id = 1),"
                       " led_count INTEGER NOT NULL, line_count INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE calibration (step INTEGER PRIMARY KEY,"
                       " red INTEGER NOT NULL, green INTEGER NOT NULL, blue INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE sequence (position INTEGER PRIMARY KEY, list_index INTEGER NOT NULL,"
                       " name TEXT NOT NULL, gif INTEGER NOT NULL, loop_count INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE picture (position INTEGER PRIMARY KEY, %1)").arg(QLatin1String(kRecordColumns)),
        QStringLiteral("CREATE TABLE frame (sequence INTEGER NOT NULL REFERENCES sequence(position),"
                       " position INTEGER NOT NULL, %1, PRIMARY KEY (sequence, position))")
            .arg(QLatin1String(kRecordColumns)),
    };
}

ProjectDatabase::Failure ProjectDatabase::classify(const QSqlError &failure)
{
    if (!failure.isValid() || failure.type() == QSqlError::NoError)
        return Failure::None;
    bool numeric = false;
    const int code = failure.nativeErrorCode().toInt(&numeric) & 0xFF; // extended codes keep the primary low
    if (!numeric)
        return Failure::Other;
    switch (code) {
    case NotADb:
        return Failure::NotADatabase;
    case Corrupt:
        return Failure::Damaged;
    case Full:
        return Failure::DiskFull;
    case ReadOnlyCode:
        return Failure::ReadOnly;
    case CantOpen:
        return Failure::CannotOpen;
    case IoErr:
    default:
        return Failure::Other;
    }
}

QString ProjectDatabase::reason(const QSqlError &failure)
{
    const QString text = failure.databaseText().isEmpty() ? failure.text() : failure.databaseText();
    return text.isEmpty() ? tr("unknown database error") : text;
}

QString ProjectDatabase::driverProblem()
{
    if (QSqlDatabase::isDriverAvailable(QLatin1String(kDriver)))
        return QString();
    return tr("Qt's SQLite driver is not installed (package libqt6sql6-sqlite), so projects cannot be saved or opened.");
}
