#pragma once

#include <QString>

// What the process holds right now, read from /proc, for the benchmarks that
// watch memory and descriptors over a run.
namespace ProcessStats {
long residentKb();
long openDescriptors();
// Bytes of the files below folder, in KiB.
long folderKb(const QString &folder);
} // namespace ProcessStats
