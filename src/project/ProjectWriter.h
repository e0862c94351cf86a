#pragma once

#include "project/ProjectCalibration.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class ImageObject;
class MediaObject;
class ProjectDatabase;
class QSqlQuery;

// Saves a playlist as a project file. The database is written into a
// temporary file beside the target, checked, flushed to the disk and only
// then renamed over the target, so a failed or interrupted save leaves the
// previous file as it was. The LED line data goes from the buffer files into
// the database one record at a time. Runs on any thread; reads the records
// only (the playlist must not change meanwhile).
class ProjectWriter
{
    Q_DECLARE_TR_FUNCTIONS(ProjectWriter)
public:
    // Called after each record; returning false stops the save.
    using Progress = std::function<bool(int done, int total)>;
    // Bytes a new file in the folder may use; negative when unknown.
    using FreeSpaceQuery = std::function<qint64(const QString &folder)>;

    struct Input {
        int ledCount = 0;
        int lineCount = 0;
        ProjectCalibration calibration;
        QList<ImageObject *> pictures;
        QList<MediaObject *> sequences;

        // The playlist with the display parameters and calibration in force
        // (read them on the user-interface thread).
        static Input current(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences);
    };

    struct Result {
        bool ok = false;        // the project is complete under its name
        bool cancelled = false; // stopped by the progress callback; the file is unchanged
        QString path;
        QString message;        // why it failed, or what was missing from a save that worked
        QStringList missing;    // "picture 2", "frame 5 of sequence 1": saved without LED line data
        int records = 0;        // pictures and frames written
        qint64 ledBytes = 0;    // LED line data written
    };

    ProjectWriter();
    void setProgress(Progress callback) { progress = std::move(callback); }
    void setFreeSpaceQuery(FreeSpaceQuery query) { freeSpace = std::move(query); }

    Result save(const Input &input, const QString &path) const;

    // The bytes the file will take, roughly, for the free-space check.
    static qint64 estimatedSize(const Input &input);

private:
    QString writeDatabase(const Input &input, const QString &path, Result &result) const;
    QString writeRecords(ProjectDatabase &db, const Input &input, Result &result) const;
    // Binds the record's columns from the given one on and runs the query.
    static bool insertRecord(QSqlQuery &query, int first, ImageObject *record, bool withSource, const QString &name,
                             Result &result);
    static QString checkDatabase(ProjectDatabase &db, const Result &result);
    QString spaceProblem(const Input &input, const QString &folder) const;

    Progress progress;
    FreeSpaceQuery freeSpace;
};
