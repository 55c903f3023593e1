// The discussion timer's countdown as the main window keeps it. Its
// settings (full and warning time, the sounds) are values of the program's
// configuration, kept with it.
#pragma once

#include <cstdint>
#include <string>

struct TimerFields {
    bool Running = false;
    uint16_t Remaining = 0;  // seconds

    // Stop and reset: the countdown stands still at the full time.
    void Reset(uint16_t fullTime) {
        Running = false;
        Remaining = fullTime;
    }
};

// The display's text: at least two digits ("07", "00", "120").
std::string TimerDisplayText(int seconds);
