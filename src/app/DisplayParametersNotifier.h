#pragma once

#include <QObject>

// Tells who shows the display parameters (the status bar) that they changed.
// One instance, living on the application's thread; DisplayParameters
// announces every change of a value through it.
class DisplayParametersNotifier : public QObject
{
    Q_OBJECT
public:
    static DisplayParametersNotifier *instance();
    // Any thread; called by DisplayParameters after a value changed.
    static void notify();

signals:
    void changed(int ledCount, int lineCount);

private:
    DisplayParametersNotifier() = default;
};
