#pragma once

#include "ui/RowEditor.h"

class MediaObject;
class QLabel;
class QLineEdit;
class QPushButton;

// Live editor of a sequence row: first frame, frame count, loop count with
// press-and-hold + and - buttons.
class MediaObjectWidget : public RowEditor
{
    Q_OBJECT
public:
    MediaObjectWidget(HandlerMessage *handler, MediaObject *media, const QModelIndex &index,
                      QWidget *parent = nullptr);

    // The frame-count text: %1 frames, %2 seconds at a tenth of a second each.
    static QString infoText(const QString &pattern, int frameCount);

    MediaObject *media;
    QLabel *thumbnailLabel;
    QLabel *infoLabel;
    QLabel *loopLabel;
    QLineEdit *loopEdit;
    QPushButton *addButton;
    QPushButton *delButton;

signals:
    void mediaIndexChanged(MediaObject *media, int oldIndex, int newIndex);

public slots:
    void onBtnTimeAddPreseed();
    void onBtnTimeAddReleased();
    void onBtnTimeDelPreseed();
    void onBtnTimeDelReleased();
    void onTimeEdit(const QString &value);
    void onCurrentIndexChanged(int i);
};
