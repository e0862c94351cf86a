#include "ui/RowPainter.h"
#include "ui/CustomTableItem.h"
#include "ui/RowToolTip.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace RowPainter {

void selectionBackground(QPainter *painter, const QStyleOptionViewItem &option)
{
    if (option.state & QStyle::State_Selected) {
        const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                                   : QPalette::Inactive;
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    }
    painter->setPen(Qt::black);
}

void comboBox(QPainter *painter, const QRect &rect, const QString &text)
{
    QStyleOptionComboBox opt;
    opt.rect = rect;
    opt.state = QStyle::State_Enabled;
    opt.currentText = text;
    opt.editable = false;
    QStyle *style = QApplication::style();
    style->drawComplexControl(QStyle::CC_ComboBox, &opt, painter);
    style->drawControl(QStyle::CE_ComboBoxLabel, &opt, painter);
}

void label(QPainter *painter, const QRect &rect, const QString &text, bool centred)
{
    painter->drawText(rect, (centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter), text);
}

void lineEdit(QPainter *painter, const QRect &rect, const QString &text)
{
    QStyleOptionFrame frame;
    frame.rect = rect;
    frame.state = QStyle::State_Enabled | QStyle::State_Sunken;
    frame.lineWidth = 1;
    QApplication::style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, painter);
    painter->drawText(rect.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void stepButton(QPainter *painter, const QRect &rect, const QString &iconPath)
{
    QStyleOptionButton button;
    button.rect = rect;
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    button.features = QStyleOptionButton::Flat;
    button.icon = QIcon(iconPath);
    button.iconSize = QSize(16, 16);
    QApplication::style()->drawControl(QStyle::CE_PushButton, &button, painter);
}

void showToolTip(const QHelpEvent *event, QAbstractItemView *view, const QModelIndex &index)
{
    const QString tip = RowToolTip::of(CustomTableItem::objectAt(index));
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), tip, view);
}

} // namespace RowPainter
