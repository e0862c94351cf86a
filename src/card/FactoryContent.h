#pragma once

#include <QString>

// The factory content: a legacy card for a display of 36 LEDs and 360 lines,
// "default.bin", made by the project's own tool and installed with the program.
class FactoryContent
{
public:
    static constexpr int ledCount = 36;
    static constexpr int lineCount = 360;
    static const char *fileName() { return "default.bin"; }

    // The work directory's "default.bin" when it is there; otherwise the copy
    // installed beside the program (share/rotavue, next to the program's own
    // folder, in the build tree as when installed); otherwise the work
    // directory's path, for the message that it is missing.
    static QString path();
    // Where the installed copy lies, relative to the program's folder.
    static QString installedPath(const QString &programFolder);
};
