#include "timer/DiscussionTimer.h"

#include <algorithm>

void DiscussionTimer::SetSoundPath(TimerSound sound, std::string path) {
    if (sound == TimerSound::Warning) FSettings.WarnSound = std::move(path);
    if (sound == TimerSound::End) FSettings.EndSound = std::move(path);
}

void DiscussionTimer::Stop() {
    FFields.Reset(FSettings.FullTime);
    FWarned = false;
    FDisplay = TimerDisplayText(FFields.Remaining);
}

SoundRequest DiscussionTimer::Tick() {
    if (!FFields.Running) return {};
    if (FFields.Remaining == 0) {
        Stop();
        return Request(TimerSound::End, FSettings.PlayEnd, FSettings.EndSound);
    }
    --FFields.Remaining;
    SoundRequest request;
    if (FFields.Remaining == FSettings.WarnTime) {
        FWarned = true;
        request = Request(TimerSound::Warning, FSettings.PlayWarn, FSettings.WarnSound);
    }
    FDisplay = TimerDisplayText(FFields.Remaining);
    return request;
}

// An empty path would only make the player fail at every signal; the
// dialog unchecks such a box anyway, so a box checked in the configuration
// without a file plays nothing.
SoundRequest DiscussionTimer::Request(TimerSound sound, bool play, const std::string& path) const {
    if (!play || path.empty()) return {};
    return {sound, path};
}

void DiscussionTimer::ApplyDialog(const TimerDialogValues& values) {
    FSettings.WarnSound = values.WarPath;
    FSettings.EndSound = values.EndPath;
    FSettings.PlayWarn = values.CheckWar && !values.WarPath.empty();
    FSettings.PlayEnd = values.CheckEnd && !values.EndPath.empty();
    FSettings.FullTime = values.AllTime;
    FDisplay = std::to_string(values.AllTime);
    FSettings.WarnTime = std::min(values.WarTime, values.AllTime);
}
