#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Writes a file through a temporary file beside it, renamed over the final
// name only once everything was written: a failure never leaves a
// half-written file under that name, and the old file stays until then.
class AtomicFileWriter
{
public:
    enum class Sync {
        None,   // scratch files: they do not outlive the run
        ToDisk, // files the user keeps: on the device before the rename
    };

    // Any thread. write() fills the device and says whether it succeeded.
    // On failure, error (when given) names the reason.
    static bool write(const QString &path, const std::function<bool(QIODevice &)> &write, Sync sync,
                      QString *error = nullptr);
};
