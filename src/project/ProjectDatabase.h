#pragma once

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>

// One connection to a project file through Qt's SQLite driver, closed and
// unregistered when it goes. A connection belongs to the thread that made it;
// every save and every open makes its own. Also the file's fixed facts: the
// schema and how SQLite names its failures.
class ProjectDatabase
{
    Q_DECLARE_TR_FUNCTIONS(ProjectDatabase)
public:
    // PRAGMA user_version of the files this version writes; it reads 1 up to this.
    static constexpr int schemaVersion = 1;
    // PRAGMA application_id: "RTVU", tells a project from any other SQLite database.
    static constexpr qint32 applicationId = 0x52545655;
    // Large pages: the blocks of LED line data take few overflow pages each.
    static constexpr int pageSize = 65536;
    static const char *fileSuffix() { return "rotavue"; }

    enum class Mode { ReadOnly, Create };
    enum class Failure { None, NotADatabase, Damaged, DiskFull, ReadOnly, CannotOpen, Other };

    ProjectDatabase(const QString &path, Mode mode);
    ~ProjectDatabase();
    ProjectDatabase(const ProjectDatabase &) = delete;
    ProjectDatabase &operator=(const ProjectDatabase &) = delete;

    bool isOpen() const { return database.isOpen(); }
    QSqlDatabase &connection() { return database; }
    QSqlError lastError() const { return error; }

    // Runs one statement; false (and lastError() set) when SQLite refused it.
    bool exec(const QString &sql);
    // The first column of the first row; invalid when there is none or on failure.
    QVariant value(const QString &sql, bool *ok = nullptr);
    void setError(const QSqlError &failure) { error = failure; }

    // The statements that create an empty project of the current schema.
    static QStringList schema();
    static Failure classify(const QSqlError &failure);
    // SQLite's own words, for the end of a message.
    static QString reason(const QSqlError &failure);
    // Whether Qt's SQLite driver is installed; the message when it is not.
    static QString driverProblem();

private:
    QString name;
    QSqlDatabase database;
    QSqlError error;
};
