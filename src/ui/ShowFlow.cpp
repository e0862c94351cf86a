#include "ui/ShowFlow.h"

#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/ShowPlayer.h"
#include "ui/CustomTableModel.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

ShowFlow::ShowFlow(CustomTableModel *pictures, CustomTableModel *sequences, QWidget *parent, Window window)
    : QObject(parent), pictures(pictures), sequences(sequences), parentWidget(parent), window(std::move(window)),
      player(new ShowPlayer(this))
{
    connect(player, &ShowPlayer::recordShown, this, &ShowFlow::shown);
    connect(player, &ShowPlayer::itemChanged, this, [this](int kind, int row) { this->window.highlight(kind, row); });
    connect(player, &ShowPlayer::stopped, this, [this] { this->window.playingChanged(false); });
    // The show holds rows by position: a list that changes its rows ends it.
    for (CustomTableModel *model : {pictures, sequences}) {
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, &ShowFlow::stop);
        connect(model, &QAbstractItemModel::rowsAboutToBeMoved, this, &ShowFlow::stop);
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &ShowFlow::stop);
        connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, &ShowFlow::stop);
    }
}

bool ShowFlow::isPlaying() const
{
    return player->isPlaying();
}

void ShowFlow::toggle()
{
    if (isPlaying())
        stop();
    else
        play();
}

void ShowFlow::play()
{
    window.stopSequencePlayback();
    if (!player->start(pictures->objectsOf<ImageObject>(), sequences->objectsOf<MediaObject>())) {
        QMessageBox::information(parentWidget, QCoreApplication::translate("MainWindow", "dialog_title_tip"),
                                 tr("The playlist holds nothing the display would show: no picture with a display "
                                    "time and no sequence with frames."),
                                 QMessageBox::Ok);
        return;
    }
    window.playingChanged(true);
}

void ShowFlow::stop()
{
    player->stop(); // says stopped when it played
}

void ShowFlow::shown(ImageObject *record)
{
    window.showPreview(record->previewImage());
}
