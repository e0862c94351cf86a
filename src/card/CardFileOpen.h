#pragma once

#include <QCoreApplication>
#include <QString>

class QFile;

// Opens a card file for reading. Only a regular file is opened: a FIFO or a
// device could block the reader or never end.
class CardFileOpen
{
    Q_DECLARE_TR_FUNCTIONS(CardFileOpen)
public:
    // Empty on success; otherwise the reason, such as "it does not exist".
    static QString open(QFile &file);
};
