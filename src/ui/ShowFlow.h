#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class CustomTableModel;
class ImageObject;
class QImage;
class QWidget;
class ShowPlayer;

// "Play show": the whole playlist in the preview as the display plays its
// card, the item being shown highlighted in its list, until Stop or until a
// row it plays is removed or the lists are reordered.
class ShowFlow : public QObject
{
    Q_OBJECT
public:
    struct Window {
        std::function<void(const QImage &)> showPreview;   // the preview area's picture
        std::function<void(int kind, int row)> highlight;  // kind: 0 picture list, 1 video list
        std::function<void()> stopSequencePlayback;        // the play button's playback
        std::function<void(bool playing)> playingChanged;  // Play show / Stop
    };

    ShowFlow(CustomTableModel *pictures, CustomTableModel *sequences, QWidget *parent, Window window);

    // Plays the show, or says why there is none; stops it when it plays.
    void toggle();
    void play();
    void stop();
    bool isPlaying() const;

private:
    void shown(ImageObject *record);

    CustomTableModel *pictures;
    CustomTableModel *sequences;
    QPointer<QWidget> parentWidget;
    Window window;
    ShowPlayer *player;
};
