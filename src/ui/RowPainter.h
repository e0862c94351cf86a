#pragma once

#include <QRect>
#include <QString>

class QAbstractItemView;
class QHelpEvent;
class QModelIndex;
class QPainter;
class QStyleOptionViewItem;

// Paints look-alikes of the row editors' controls with the application style,
// for rows that are not being edited.
namespace RowPainter {

void selectionBackground(QPainter *painter, const QStyleOptionViewItem &option);
void comboBox(QPainter *painter, const QRect &rect, const QString &text);
void label(QPainter *painter, const QRect &rect, const QString &text, bool centred);
void lineEdit(QPainter *painter, const QRect &rect, const QString &text);
void stepButton(QPainter *painter, const QRect &rect, const QString &iconPath);
// Shows the row's tool tip (the file it came from) for a tool-tip event.
void showToolTip(const QHelpEvent *event, QAbstractItemView *view, const QModelIndex &index);

} // namespace RowPainter
