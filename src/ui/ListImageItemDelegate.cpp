#include "ui/ListImageItemDelegate.h"

#include "display/ImageObject.h"
#include "messaging/HandlerMessage.h"
#include "ui/CustomTableItem.h"
#include "ui/ImageObjectWidget.h"
#include "ui/MainWindow.h"
#include "ui/RowEditor.h"
#include "ui/RowGeometry.h"
#include "ui/RowPainter.h"

#include <QPainter>
#include <QAbstractItemView>
#include <QHelpEvent>

ListImageItemDelegate::ListImageItemDelegate(HandlerMessage *handler, MainWindow *mainWindow)
    : QItemDelegate(mainWindow), handler(handler), mainWindow(mainWindow)
{
}

void ListImageItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    painter->save();
    RowPainter::selectionBackground(painter, option);
    auto *image = qobject_cast<ImageObject *>(CustomTableItem::objectAt(index));
    if (image && index.column() == 0) {
        const QImage thumb = image->thumbnail();
        if (!thumb.isNull())
            painter->drawImage(option.rect.topLeft(), thumb);
        if (ImageObjectWidget::hasControls(image->type())) {
            const QPoint origin = option.rect.topLeft();
            const RowGeometry::ImageRow row = RowGeometry::imageRow(RowGeometry::thumbSide,
                                                                    RowGeometry::controlTop(thumb));
            RowPainter::comboBox(painter, row.position.translated(origin),
                                 tr("imgwidget_lbl_text2").arg(image->index()));
            RowPainter::label(painter, row.spacer.translated(origin), tr("imgwidget_lbl_text3"), true);
            RowPainter::lineEdit(painter, row.edit.translated(origin),
                                 QString::number(image->displayTime(), 'g', 6));
            RowPainter::label(painter, row.unit.translated(origin), tr("imgwidget_lbl_text4"), true);
            RowPainter::stepButton(painter, row.add.translated(origin), QStringLiteral(":/images/plus.png"));
            RowPainter::stepButton(painter, row.del.translated(origin), QStringLiteral(":/images/moins.png"));
        }
    }
    painter->restore();
}

QWidget *ListImageItemDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                             const QModelIndex &index) const
{
    if (!index.data(Qt::DisplayRole).canConvert<CustomTableItem>())
        return QItemDelegate::createEditor(parent, option, index);
    if (index.column() != 0)
        return nullptr;
    auto *image = qobject_cast<ImageObject *>(CustomTableItem::objectAt(index));
    if (!image)
        return nullptr;
    auto *editor = new ImageObjectWidget(handler, image, index, parent);
    connect(editor, &ImageObjectWidget::imageIndexChanged, mainWindow, &MainWindow::onImageIndexChanged);
    connect(editor, &RowEditor::recordEdited, mainWindow, &MainWindow::onRecordEdited);
    return editor;
}

void ListImageItemDelegate::setEditorData(QWidget *editor, const QModelIndex &) const
{
    if (auto *row = qobject_cast<RowEditor *>(editor))
        row->showRecord();
}

bool ListImageItemDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                          const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip)
        return QItemDelegate::helpEvent(event, view, option, index);
    RowPainter::showToolTip(event, view, index);
    return true;
}
