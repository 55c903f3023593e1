#include "timer/TimerFields.h"

std::string TimerDisplayText(int seconds) {
    std::string text = std::to_string(seconds);
    if (text.size() < 2) text.insert(0, 1, '0');
    return text;
}
