#include "display/ShowPlayer.h"

#include "display/DisplayLog.h"

ShowPlayer::ShowPlayer(QObject *parent) : QObject(parent)
{
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &ShowPlayer::advance);
}

bool ShowPlayer::start(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences)
{
    stop();
    plan = ShowSchedule(pictures, sequences);
    if (plan.isEmpty())
        return false;
    qCDebug(lcDisplay) << "#ShowPlayer# start" << plan.itemList().size() << "items";
    playing = true;
    step = plan.first();
    present(true);
    return true;
}

void ShowPlayer::stop()
{
    timer.stop();
    if (!playing)
        return;
    playing = false;
    emit stopped();
}

void ShowPlayer::advance()
{
    const ShowSchedule::Step previous = step;
    step = plan.next(step);
    present(step.item != previous.item);
}

void ShowPlayer::present(bool newItem)
{
    ImageObject *record = plan.record(step);
    if (!record) {
        stop(); // the playlist changed under the show
        return;
    }
    if (newItem)
        emit itemChanged(plan.item(step).kind, plan.item(step).row);
    emit recordShown(record);
    if (playing)
        timer.start(plan.durationMs(step));
}
