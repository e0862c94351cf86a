#pragma once

#include "messaging/ReplyChannel.h"

#include <QDialog>

#include <memory>

class ContrastAdjuster;
class HandlerMessage;
class ImageObject;
class Message;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QSlider;

// Brightens or darkens one picture of the playlist: a slider from 0 to 100
// stands for a gain factor of value / 10 on every channel of the picture's
// file. Moves are applied on the window's handler, 200 ms after the slider
// stops; the dialog itself shows no picture.
class UpdateImageContract : public QDialog
{
    Q_OBJECT
public:
    // UI thread. Reads the picture's file once. Neither pointer is owned;
    // handler may be null (each move is then applied at once).
    UpdateImageContract(HandlerMessage *handler, ImageObject *object, QWidget *parent = nullptr);
    // Applies a move still pending, like closing does.
    ~UpdateImageContract() override;

    // The slider's position.
    int value() const;
    // Whether the picture's file was read (else moves only store the factor).
    bool hasPicture() const;
    // UI thread. The adjustment itself, at once, without the signal.
    void addImageContract(int value);

    // Closing first applies a move still waiting for its 200 ms.
    void done(int result) override;

signals:
    // UI thread, after each adjustment, with the picture object.
    void onImageContractChanged(QObject *object);

public slots:
    void sliderValueChanged(int value);

protected:
    void changeEvent(QEvent *event) override;

private:
    void onAdjusted(Message *msg);
    void finishPending();
    void retranslateUi();

    ImageObject *image;
    HandlerMessage *handler;
    ReplyChannel replies; // reports of the handler's adjustments
    std::shared_ptr<ContrastAdjuster> adjuster;
    QLabel *label = nullptr;
    QSlider *slider = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
    QPushButton *okButton = nullptr;
};
