#include "ui/ListMediaItemDelegate.h"

#include "display/ImageObject.h"
#include "messaging/HandlerMessage.h"
#include "display/MediaObject.h"
#include "ui/CustomTableItem.h"
#include "ui/MainWindow.h"
#include "ui/RowEditor.h"
#include "ui/MediaObjectWidget.h"
#include "ui/RowGeometry.h"
#include "ui/RowPainter.h"

#include <QPainter>
#include <QAbstractItemView>
#include <QHelpEvent>

ListMediaItemDelegate::ListMediaItemDelegate(HandlerMessage *handler, MainWindow *mainWindow)
    : QItemDelegate(mainWindow), handler(handler), mainWindow(mainWindow)
{
}

void ListMediaItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    painter->save();
    RowPainter::selectionBackground(painter, option);
    auto *media = qobject_cast<MediaObject *>(CustomTableItem::objectAt(index));
    if (media && index.column() == 0) {
        const QPoint origin = option.rect.topLeft();
        if (ImageObject *first = media->frame(0)) {
            const QImage thumb = first->thumbnail();
            if (!thumb.isNull())
                painter->drawImage(origin, thumb);
        }
        const RowGeometry::MediaRow row = RowGeometry::mediaRow(RowGeometry::thumbSide);
        RowPainter::label(painter, row.info.translated(origin),
                          MediaObjectWidget::infoText(tr("videowidget_lbl_text"), media->frameCount()), false);
        RowPainter::label(painter, row.loopLabel.translated(origin), tr("循环次数"), false);
        RowPainter::lineEdit(painter, row.loopEdit.translated(origin), QString::number(media->loopCount()));
        RowPainter::stepButton(painter, row.add.translated(origin), QStringLiteral(":/images/plus.png"));
        RowPainter::stepButton(painter, row.del.translated(origin), QStringLiteral(":/images/moins.png"));
    }
    painter->restore();
}

QWidget *ListMediaItemDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                             const QModelIndex &index) const
{
    if (!index.data(Qt::DisplayRole).canConvert<CustomTableItem>())
        return QItemDelegate::createEditor(parent, option, index);
    if (index.column() != 0)
        return nullptr;
    auto *media = qobject_cast<MediaObject *>(CustomTableItem::objectAt(index));
    if (!media)
        return nullptr;
    auto *editor = new MediaObjectWidget(handler, media, index, parent);
    connect(editor, &MediaObjectWidget::mediaIndexChanged, mainWindow, &MainWindow::onMediaIndexChanged);
    connect(editor, &RowEditor::recordEdited, mainWindow, &MainWindow::onRecordEdited);
    return editor;
}

void ListMediaItemDelegate::setEditorData(QWidget *editor, const QModelIndex &) const
{
    if (auto *row = qobject_cast<RowEditor *>(editor))
        row->showRecord();
}

bool ListMediaItemDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                          const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip)
        return QItemDelegate::helpEvent(event, view, option, index);
    RowPainter::showToolTip(event, view, index);
    return true;
}
