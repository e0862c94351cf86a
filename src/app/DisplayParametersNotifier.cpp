#include "app/DisplayParametersNotifier.h"

#include "app/DisplayParameters.h"

#include <QCoreApplication>

DisplayParametersNotifier *DisplayParametersNotifier::instance()
{
    static DisplayParametersNotifier *notifier = [] {
        auto *created = new DisplayParametersNotifier;
        if (const QCoreApplication *app = QCoreApplication::instance())
            created->moveToThread(app->thread());
        return created;
    }();
    return notifier;
}

void DisplayParametersNotifier::notify()
{
    emit instance()->changed(DisplayParameters::ledCount(), DisplayParameters::lineCount());
}
