#pragma once

#include "display/ShowSchedule.h"

#include <QObject>
#include <QTimer>

class ImageObject;
class MediaObject;

// Plays a show in the preview: says which record to show and which playlist
// item it belongs to, step after step, at the times of its schedule, until
// stopped. Runs on the thread it lives on (the user interface); no widgets.
class ShowPlayer : public QObject
{
    Q_OBJECT
public:
    explicit ShowPlayer(QObject *parent = nullptr);

    // False, and nothing plays, when the playlist holds nothing the display would show.
    bool start(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences);
    void stop();
    bool isPlaying() const { return playing; }
    const ShowSchedule &schedule() const { return plan; }
    ShowSchedule::Step currentStep() const { return step; }

signals:
    // A new item is shown (kind as in ShowSchedule::Item), for highlighting its row.
    void itemChanged(int kind, int row);
    // Show this record's preview now.
    void recordShown(ImageObject *record);
    // The show ended: stopped, or a record it was showing was deleted.
    void stopped();

private:
    void present(bool newItem);
    void advance();

    ShowSchedule plan;
    ShowSchedule::Step step;
    QTimer timer;
    bool playing = false;
};
