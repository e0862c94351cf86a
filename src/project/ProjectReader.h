#pragma once

#include "project/ProjectContent.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class ImageObject;
class ProjectDatabase;
class QSqlError;
class QSqlQuery;
class QThread;

// Opens a project file: first a quick look (is it a project this version can
// read, and for which display), then the whole playlist, checked by SQLite
// and by its own rules, into new records whose LED line data, thumbnails,
// previews and source copies go one record at a time into the scratch folder.
// Nothing of the program's state changes here: the caller decides what to do
// with the content. Runs on any thread.
class ProjectReader
{
    Q_DECLARE_TR_FUNCTIONS(ProjectReader)
public:
    // Called after each record; returning false stops the reading.
    using Progress = std::function<bool(int done, int total)>;

    struct Header {
        bool ok = false;
        QString path;
        QString message; // why it cannot be opened
        int version = 0;
        int ledCount = 0;
        int lineCount = 0;
    };

    struct Result {
        bool ok = false;
        bool cancelled = false;
        QString path;
        QString message;
        std::unique_ptr<ProjectContent> content;
    };

    void setProgress(Progress callback) { progress = std::move(callback); }
    // Records made on a worker thread are handed to this one (the window's).
    void setOwnerThread(QThread *thread) { owner = thread; }

    static Header inspect(const QString &path);
    Result read(const QString &path) const;

    // Whether the file is an SQLite database marked as a project (it may still be damaged).
    static bool looksLikeProject(const QString &path);

private:
    struct Reading;
    static Header fail(Header header, const QString &message);
    static QString damaged(const QString &path, const QString &detail);
    static QString headerProblem(const QString &path);
    static QString sqlProblem(const QString &path, const QSqlError &error);
    QString readAll(ProjectDatabase &db, Reading &reading) const;
    QString readCalibration(ProjectDatabase &db, Reading &reading) const;
    QString readSequences(ProjectDatabase &db, Reading &reading) const;
    QString readPictures(ProjectDatabase &db, Reading &reading) const;
    QString readFrames(ProjectDatabase &db, Reading &reading) const;
    // A record from the current row of a query whose record columns start at first.
    QString makeRecord(const QSqlQuery &query, int first, const QString &name, Reading &reading,
                       ImageObject *&record) const;
    bool carryOn(Reading &reading) const;

    Progress progress;
    QThread *owner = nullptr;
};
