#pragma once

#include <QString>

// The work directory, the last-used folder of the file choosers and the temp
// directory that holds scratch files. Set once at start-up.
//
// The temp directory is normally the "temp" folder inside the work directory.
// Because the work directory is often the user's home, a folder is only used
// (and wiped at start) when it carries our marker file; otherwise scratch files
// go to a fallback folder under the user's cache directory, and when that is
// taken too, to a fresh folder made in the system temp folder.
class WorkDirectory
{
public:
    // Stores currentDir as work directory and last-used folder, chooses the
    // temp directory and wipes it when it is ours.
    static void init(const QString &currentDir);
    // Uses the given folder as work directory and "temp" inside it as temp
    // directory, unconditionally (the command-line tool and tests own it).
    static void initPrivate(const QString &ownedDir);

    static QString workDir();
    static QString lastUsedFolder();
    static void setLastUsedFolder(const QString &folder);

    // Absolute path with a trailing '/', so scratch names can be appended.
    static QString tempDir();
    // Creates the temp directory (with its marker) when it is missing.
    static bool ensureTempDir();

    static bool isOurs(const QString &dir);
    static void cleanUp(const QString &dirPath);
    static void wipeIfOurs(const QString &dirPath);

    static const char *markerFileName();
    static QString fallbackTempDir();
};
