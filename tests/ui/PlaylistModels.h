#pragma once

#include "display/ImageObject.h"
#include "ui/CustomTableModel.h"

#include <QImage>

// The window's two lists for a flow under test; the rows' objects go with them.
struct PlaylistModels {
    CustomTableModel pictures{{}, 1};
    CustomTableModel sequences{{}, 1};

    ~PlaylistModels()
    {
        sequences.delRow(0, sequences.rowCount());
        pictures.delRow(0, pictures.rowCount());
    }

    // A picture record whose preview is one colour, for telling what is shown.
    static ImageObject *colouredPicture(double seconds, QRgb colour)
    {
        auto *picture = new ImageObject(1, QString(), seconds, ImageObject::PictureFile);
        QImage preview(450, 450, QImage::Format_ARGB32);
        preview.fill(colour);
        picture->setPreviewImage(preview);
        return picture;
    }

    static QList<QObject *> objects(const CustomTableModel &model)
    {
        QList<QObject *> list;
        for (const CustomTableItem &item : model.itemList())
            list.append(item.object);
        return list;
    }
};
