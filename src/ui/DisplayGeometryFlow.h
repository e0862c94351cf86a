#pragma once

#include <QCoreApplication>

#include <functional>

class QWidget;

// Changing the LED count or the line count while the program runs. Every
// picture's LED line data depends on both, so a change, once confirmed,
// empties the playlist; pictures imported afterwards use the new value.
// DisplayParameters announces the new value (the status bar follows it).
class DisplayGeometryFlow
{
    // Its texts are the main window's.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // window: parent of the dialogs. clearPlaylist: empties both lists and
    // resets the preview. mayDiscard: asked once the change is confirmed, before
    // the lists go (unsaved work); false keeps everything as it was.
    DisplayGeometryFlow(QWidget *window, std::function<void()> clearPlaylist,
                        std::function<bool()> mayDiscard = nullptr);

    // UI thread. Asks for the value, confirms, clears and stores; returns
    // whether the value changed.
    bool changeLedCount();
    bool changeLineCount();

private:
    template<typename Dialog>
    bool change(int current, void (*store)(int), const char *debugLine, const QString &message);

    QWidget *window;
    std::function<void()> clearPlaylist;
    std::function<bool()> mayDiscard;
};
