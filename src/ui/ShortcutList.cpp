#include "ui/ShortcutList.h"

#include <QAction>
#include <QKeySequence>

namespace {
// "&Open Project..." as the menu shows it, without the mnemonic mark.
QString plain(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}
}

QList<ShortcutList::Entry> ShortcutList::of(const QList<QAction *> &actions)
{
    QList<Entry> entries;
    QList<const QAction *> seen;
    for (const QAction *action : actions) {
        if (!action || seen.contains(action) || action->shortcuts().isEmpty())
            continue;
        seen.append(action);
        QStringList keys;
        for (const QKeySequence &key : action->shortcuts())
            keys << key.toString(QKeySequence::NativeText);
        entries.append({plain(action->text()), keys.join(QLatin1String(", "))});
    }
    return entries;
}

QString ShortcutList::html(const QList<QAction *> &actions)
{
    QString text = QStringLiteral("<table cellspacing=\"4\">");
    for (const Entry &entry : of(actions))
        text += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(entry.keys.toHtmlEscaped(), entry.text.toHtmlEscaped());
    return text + QStringLiteral("</table>");
}
