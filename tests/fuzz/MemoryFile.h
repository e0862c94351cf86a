#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// A regular file in memory that each fuzz input is written to, for readers
// that open only regular files by name. One per target, made at start-up.
class MemoryFile
{
public:
    MemoryFile(); // aborts when the kernel gives no memory file
    // Replaces the content with the input; aborts when it cannot.
    void put(const uint8_t *data, size_t size);
    QString path() const { return name; }

private:
    int fd = -1;
    QString name;
};
