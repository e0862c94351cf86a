#pragma once

#include <QImage>
#include <QObject>
#include <QString>

// One file of a picture import on its way from the worker to the dialog.
// Created and deleted by LoadImagesHandler; the dialog only reads it.
class LoadObjectItem : public QObject
{
    Q_OBJECT
public:
    // index is 1-based, count the number of files in the import.
    LoadObjectItem(int index, int count, const QString &path);

    int index() const { return position; }
    int count() const { return total; }
    QString path() const { return file; }
    bool isLast() const { return position == total; }

    // The centred square scaled into 300 x 300, for the dialog.
    QImage preview() const { return previewPicture; }
    void setPreview(const QImage &picture) { previewPicture = picture; }

    // The converted picture's preview, read back from its record.
    QImage targetImg() const { return targetPicture; }
    void setTargetImg(const QImage &picture) { targetPicture = picture; }

    // Why the file cannot be imported; empty unless it is skipped.
    QString skipReason() const { return reason; }
    void setSkipReason(const QString &text) { reason = text; }

private:
    int position;
    int total;
    QString file;
    QImage previewPicture;
    QImage targetPicture;
    QString reason;
};
