// The discussion timer of the tool bar: start/pause, stop/reset and the
// settings window, the one-second TimerForTimer that drives the countdown,
// the display, and the sound player MP that plays its signals.
//
// The timer's settings are kept in the window's configuration (the fields
// Vemo.cfg is written from): stop/reset takes them from there, which is how
// the configuration load reaches the countdown, and every change made in
// the settings window goes back there at once.
#pragma once

#include "timer/DiscussionTimer.h"

#include <memory>

class QTimer;
class SoundPlayer;
struct MainParts;

class TimerCommands {
public:
    explicit TimerCommands(MainParts& parts);
    ~TimerCommands();
    TimerCommands(const TimerCommands&) = delete;
    TimerCommands& operator=(const TimerCommands&) = delete;

    void ActTimerStartExecute();
    // Stops the countdown and shows the full time again, in green.
    void ActTimerStopExecute();
    void ActTimerSettExecute();

private:
    void TimerForTimerTimer();
    // The display, TimerForTimer and ActTimerStart's picture as the
    // countdown stands.
    void ShowState();
    void Play(const SoundRequest& request);
    void StoreSettings();

    MainParts& FParts;
    DiscussionTimer FTimer;
    QTimer* TimerForTimer;
    std::unique_ptr<SoundPlayer> MP;
};
