#pragma once

#include <QObject>
#include <QPointer>

class QLabel;

// Keeps the status bar's " LINE:%1" and " LED:%1" labels on the display
// parameters in force: written at once and again at every change.
class DisplayParameterLabels : public QObject
{
    Q_OBJECT
public:
    // The labels are not owned; they may go before this object.
    DisplayParameterLabels(QLabel *lineLabel, QLabel *ledLabel, QObject *parent = nullptr);

    // Rewrites both labels (also after a language change).
    void refresh();

private:
    void show(int ledCount, int lineCount);

    QPointer<QLabel> lines;
    QPointer<QLabel> leds;
};
