// The discussion timer's settings and state as the main window keeps them:
// what Vemo.cfg stores, and the countdown's running flag and remaining time.
#pragma once

#include <cstdint>
#include <string>

struct TimerFields {
    uint16_t FullTime = 0;   // seconds the countdown starts from
    uint16_t WarnTime = 0;   // remaining seconds at which the warning comes
    std::string WayWarn;     // warning sound file
    std::string WayEnd;      // end sound file
    bool PlayWarn = false;
    bool PlayEnd = false;
    bool Running = false;
    uint16_t Remaining = 0;

    // Stop and reset: the countdown stands still at the full time.
    void Reset() {
        Running = false;
        Remaining = FullTime;
    }
};

// The display's text: at least two digits ("07", "00", "120").
std::string TimerDisplayText(int seconds);
