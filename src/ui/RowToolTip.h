#pragma once

#include <QCoreApplication>
#include <QString>

class QObject;

// The tool tip of a playlist row: the name of the file it came from, or
// what made it when no file did. Empty when there is nothing to say.
class RowToolTip
{
    Q_DECLARE_TR_FUNCTIONS(RowToolTip)
public:
    static QString of(const QObject *record);
};
