#include "ui/DisplayParameterLabels.h"

#include "app/DisplayParameters.h"
#include "app/DisplayParametersNotifier.h"

#include <QCoreApplication>
#include <QLabel>

DisplayParameterLabels::DisplayParameterLabels(QLabel *lineLabel, QLabel *ledLabel, QObject *parent)
    : QObject(parent), lines(lineLabel), leds(ledLabel)
{
    // Queued when a change is made on another thread; the labels are the UI thread's.
    connect(DisplayParametersNotifier::instance(), &DisplayParametersNotifier::changed, this,
            &DisplayParameterLabels::show);
    refresh();
}

void DisplayParameterLabels::refresh()
{
    show(DisplayParameters::ledCount(), DisplayParameters::lineCount());
}

void DisplayParameterLabels::show(int ledCount, int lineCount)
{
    // The texts belong to the main window's catalogue context.
    if (lines)
        lines->setText(QCoreApplication::translate("MainWindow", " LINE:%1").arg(lineCount));
    if (leds)
        leds->setText(QCoreApplication::translate("MainWindow", " LED:%1").arg(ledCount));
}
