#pragma once

#include <QString>

// The work directory, the last-used folder of the file choosers and the temp
// directory that holds scratch files. Set once at start-up.
//
// Scratch files live in a folder of this run's own ("run-XXXXXX"), inside a
// temp root shared by every Rotavue on the machine, so that two of them never
// touch each other's files. Each run holds a lock file beside its folder; at
// start-up the folders of runs that are no longer running are removed, and
// nothing else in the root is touched.
//
// The temp root is normally the "temp" folder inside the work directory.
// Because the work directory is often the user's home, a folder is only used
// when it carries our marker file (or is made by us); otherwise scratch files
// go to a fallback folder under the user's cache directory, and when that is
// taken too, to a fresh folder made in the system temp folder.
class WorkDirectory
{
public:
    // Stores currentDir as work directory and last-used folder, chooses the
    // temp root, removes the folders of dead runs there and starts this run's.
    static void init(const QString &currentDir);
    // Uses the given folder as work directory and "temp" inside it as temp
    // directory, unconditionally (tests own it).
    static void initPrivate(const QString &ownedDir);
    // For the command-line tool: a run folder of its own in the fallback temp
    // root (never a "temp" folder where the user happens to stand), after the
    // folders of ended runs there were removed, so that a killed run's
    // scratch files go at the next start of either program.
    static void initForTool(const QString &currentDir);
    // An installed program, started from the desktop in the user's home:
    // the work directory is rotavue/ in the user's data folder
    // (~/.local/share), scratch files go to the cache folder
    // (~/.cache/rotavue/temp), the file choosers start in the home folder,
    // and nothing is made in the current directory.
    static void initInstalled();
    // The program runs from a CMake build tree (make run), not installed.
    static bool runsFromBuildTree(const QString &programDir);
    // Removes this run's folder and its lock now (the tool, at its end).
    static void endRun();

    static QString workDir();
    static QString lastUsedFolder();
    static void setLastUsedFolder(const QString &folder);

    // This run's scratch folder: absolute, with a trailing '/', so scratch
    // names can be appended.
    static QString tempDir();
    // The folder that holds the runs' scratch folders (without trailing '/').
    static QString tempRoot();
    // Creates the temp directory (with its marker) when it is missing.
    static bool ensureTempDir();

    static bool isOurs(const QString &dir);
    // Removes the scratch folders in root whose run (on this machine) has ended.
    static void removeDeadRuns(const QString &root);
    static const char *runPrefix() { return "run-"; }
    static void cleanUp(const QString &dirPath);

    static const char *markerFileName();
    static QString fallbackTempDir();
};
