#pragma once

#include <QModelIndex>
#include <QMutex>
#include <QPointer>
#include <QWidget>

class HandlerMessage;
class Message;

// Common part of the two row editors: press-and-hold stepping through the
// looper. A step message names its editor by address, so the main window asks
// isAlive() before touching it and wantsStep() before performing a step.
class RowEditor : public QWidget
{
    Q_OBJECT
public:
    RowEditor(HandlerMessage *handler, const QModelIndex &index, QWidget *parent);
    ~RowEditor() override;

    static bool isAlive(const void *editor);
    // The editor a step message (codes 9 to 12) names; null for other codes.
    static RowEditor *ofStep(const Message *msg);

    // The picture or sequence of the row.
    virtual QObject *record() const = 0;
    // One step of the held button's code on the record, shown in the editor.
    // Called by the main window with stepLock held.
    virtual void performStep(int what) = 0;
    // Shows the record's values again (its number changed, or it changed
    // elsewhere). A box the user is typing into keeps its text.
    virtual void showRecord() = 0;

    // True while the button of this code is held, or once for the press that
    // started the chain (a quick press and release still makes one step).
    bool wantsStep(int what) const;
    // Called by the main window after each step; true when the chain goes on.
    bool stepDone(int what);

    QModelIndex modelIndex;
    QMutex stepLock; // held by the main window while it performs one step

signals:
    // The record's time or loop count was changed here (typed or stepped).
    void recordEdited(QObject *record);

protected:
    void pressStep(int what);
    void releaseStep(int what);
    static void lightText(QWidget *label);
    void paintEvent(QPaintEvent *event) override;

    QPointer<HandlerMessage> handler; // may go first when the window closes

private:
    int heldCode = 0;
    int firstStepCode = 0;
};
