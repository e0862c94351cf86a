#pragma once

#include <QList>
#include <QString>

class QAction;

// Help > Keyboard shortcuts: each action that has a key, with its key as the
// desktop writes it, in the order given. Actions without a key are left out,
// and an action met twice is listed once.
class ShortcutList
{
public:
    struct Entry {
        QString text;
        QString keys;
    };
    static QList<Entry> of(const QList<QAction *> &actions);
    static QString html(const QList<QAction *> &actions);
};
