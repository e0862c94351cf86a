#pragma once

#include <QItemDelegate>

class HandlerMessage;
class MainWindow;

// Paints sequence rows and opens a MediaObjectWidget on the row being edited.
class ListMediaItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    ListMediaItemDelegate(HandlerMessage *handler, MainWindow *mainWindow);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

private:
    HandlerMessage *handler;
    MainWindow *mainWindow;
};
