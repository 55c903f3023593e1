// The discussion timer's countdown values: whether it runs and how many
// seconds remain. DiscussionTimer keeps them together with the settings and
// the rules of a tick.
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
