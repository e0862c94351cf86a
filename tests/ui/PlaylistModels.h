#pragma once

#include "ui/CustomTableModel.h"

// The window's two lists for a flow under test; the rows' objects go with them.
struct PlaylistModels {
    CustomTableModel pictures{{}, 1};
    CustomTableModel sequences{{}, 1};

    ~PlaylistModels()
    {
        sequences.delRow(0, sequences.rowCount());
        pictures.delRow(0, pictures.rowCount());
    }

    static QList<QObject *> objects(const CustomTableModel &model)
    {
        QList<QObject *> list;
        for (const CustomTableItem &item : model.itemList())
            list.append(item.object);
        return list;
    }
};
