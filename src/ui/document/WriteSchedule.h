// When a file that follows the game is written: `delayMs` after the first
// change since the last write began, never sooner than `gapMs` after that
// write began, and never while it is still being done (the next one follows
// as soon as it is). Changes that come meanwhile join the write, so a long
// burst of changes is written while it lasts, once every gap or so. The
// recovery journal and the live results page are written this way.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

class WriteSchedule : public QObject {
    Q_OBJECT
public:
    // `start` begins a write (false when there was nothing to write);
    // `busy` tells that the last write is still being done.
    WriteSchedule(int delayMs, int gapMs, std::function<bool()> start, std::function<bool()> busy,
                  QObject* parent = nullptr);

    // A change to be written.
    void Request();
    // Forget the changes not yet written.
    void Cancel();
    // The last write is done: a write that waited for it may begin.
    void WriteDone();

private:
    void Due();
    // The time left until a write may begin, at least `atLeast`.
    int Wait(int atLeast) const;

    const int FDelay;
    const int FGap;
    const std::function<bool()> FStart;
    const std::function<bool()> FBusy;
    QTimer FTimer;
    QElapsedTimer FLastStart;
    bool FWaiting = false;
};
