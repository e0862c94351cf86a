#pragma once

#include <QItemDelegate>
#include <QPointer>

class HandlerMessage;
class MainWindow;

// Paints picture rows and opens an ImageObjectWidget on the row being edited.
class ListImageItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    ListImageItemDelegate(HandlerMessage *handler, MainWindow *mainWindow);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    // A row's tool tip names the file it came from.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

private:
    QPointer<HandlerMessage> handler; // the window deletes it before its tables
    MainWindow *mainWindow;
};
