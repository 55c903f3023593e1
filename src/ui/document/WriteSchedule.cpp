#include "ui/document/WriteSchedule.h"

#include <algorithm>

WriteSchedule::WriteSchedule(int delayMs, int gapMs, std::function<bool()> start, std::function<bool()> busy,
                             QObject* parent)
    : QObject(parent), FDelay(delayMs), FGap(gapMs), FStart(std::move(start)), FBusy(std::move(busy)) {
    FTimer.setSingleShot(true);
    // A coarse timer may fire a little early, which would break the gap.
    FTimer.setTimerType(Qt::PreciseTimer);
    connect(&FTimer, &QTimer::timeout, this, &WriteSchedule::Due);
}

int WriteSchedule::Wait(int atLeast) const {
    if (!FLastStart.isValid()) return atLeast;
    return std::max<int>(atLeast, static_cast<int>(FGap - FLastStart.elapsed()));
}

// The timer is not pushed back by the changes that follow the first one.
void WriteSchedule::Request() {
    if (!FTimer.isActive() && !FWaiting) FTimer.start(Wait(FDelay));
}

void WriteSchedule::Cancel() {
    FTimer.stop();
    FWaiting = false;
}

void WriteSchedule::WriteDone() {
    if (!FWaiting || FBusy()) return;
    FWaiting = false;
    FTimer.start(Wait(0));
}

void WriteSchedule::Due() {
    if (FBusy()) {
        FWaiting = true;
        return;
    }
    QElapsedTimer started;
    started.start();
    if (FStart()) FLastStart = started;
}
