#pragma once

#include "ui/RowEditor.h"

class MediaObject;
class QLabel;
class QLineEdit;
class QPushButton;

// Live editor of a sequence row: first frame, frame count, loop count with
// press-and-hold + and - buttons. Tests reach the controls by object name.
class MediaObjectWidget : public RowEditor
{
    Q_OBJECT
public:
    MediaObjectWidget(HandlerMessage *handler, MediaObject *media, const QModelIndex &index,
                      QWidget *parent = nullptr);

    // The frame-count text: %1 frames, %2 seconds at a tenth of a second each.
    static QString infoText(const QString &pattern, int frameCount);

    MediaObject *media() const { return sequence; }
    QObject *record() const override;
    void performStep(int what) override;
    void showRecord() override;
    // Writes the loop count into the loop box.
    void showLoopCount(int loops);

signals:
    void mediaIndexChanged(MediaObject *media, int oldIndex, int newIndex);

public slots:
    void onBtnTimeAddPreseed();
    void onBtnTimeAddReleased();
    void onBtnTimeDelPreseed();
    void onBtnTimeDelReleased();
    void onTimeEdit(const QString &value);
    void onCurrentIndexChanged(int i);

private:
    MediaObject *sequence;
    QLabel *thumbnailLabel;
    QLabel *infoLabel;
    QLabel *loopLabel;
    QLineEdit *loopEdit;
    QPushButton *addButton;
    QPushButton *delButton;
};
