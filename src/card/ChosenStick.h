#pragma once

#include <QCoreApplication>
#include <QString>

// The stick the user chose for a download: its mount point and the volume
// mounted there at that moment. A stick pulled (or swapped) after the choice
// leaves a bare folder, or another volume, under the same path; writing there
// would put the card on the wrong disk. Checked from any thread.
class ChosenStick
{
    Q_DECLARE_TR_FUNCTIONS(ChosenStick)
public:
    ChosenStick() = default;
    ChosenStick(const QString &mountPoint, const QString &device, const QString &mountInfoPath);

    QString mountPoint() const { return path; }
    QString device() const { return volume; }
    // Nothing to check: a folder that is not a stick's (tests, the command line).
    bool isEmpty() const { return path.isEmpty(); }

    // Any thread. Empty while the same volume is still the one visible at the
    // mount point; otherwise a sentence naming the stick for the user.
    QString problem() const;

    // The device ("major:minor") of the volume visible at mountPoint: the one
    // mounted last there. Empty when nothing is mounted there or the table
    // cannot be read.
    static QString visibleDevice(const QString &mountInfoPath, const QString &mountPoint);

private:
    QString path;
    QString volume;
    QString table;
};
