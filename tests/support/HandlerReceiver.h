#pragma once

#include <QObject>

class LoadImagesHandler;
class Message;

// Plays the picture import dialog towards a LoadImagesHandler: connected as
// the dialog connects (by signature, blocking), acquiring each report before
// Qt reads it, released as the dialog's destructor does. Subclasses say what
// they keep of each report.
class HandlerReceiver : public QObject
{
    Q_OBJECT
public:
    explicit HandlerReceiver(LoadImagesHandler *handler);

    // Once; the handler is gone afterwards.
    void release();
    bool isReleased() const { return handler == nullptr; }

    bool event(QEvent *e) override;

public slots:
    // Runs on this object's thread while the worker waits.
    virtual void handlerMessage(Message *msg) = 0;

protected:
    LoadImagesHandler *handler;
};
