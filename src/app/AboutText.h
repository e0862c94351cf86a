#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// What Help > About says: the program's version and the libraries it is
// built on, each with its version and licence.
class AboutText
{
    Q_DECLARE_TR_FUNCTIONS(AboutText)
public:
    struct Library {
        QString name;
        QString version;
        QString licence;
    };

    static QString programVersion();
    static QList<Library> libraries();
    // Rich text for the about box.
    static QString html();
};
