// The discussion timer of the tool bar.
#pragma once

#include "timer/TimerFields.h"

struct MainParts;

class TimerCommands {
public:
    explicit TimerCommands(MainParts& parts) : FParts(parts) {}

    // Stops the countdown and shows the full time again.
    void ActTimerStopExecute();

private:
    MainParts& FParts;
    TimerFields FTimer;
};
