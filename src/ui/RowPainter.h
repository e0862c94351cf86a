#pragma once

#include <QRect>
#include <QString>

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

} // namespace RowPainter
