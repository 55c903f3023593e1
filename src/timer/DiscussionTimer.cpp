#include "timer/DiscussionTimer.h"

#include <algorithm>

void DiscussionTimer::SetDefaultSounds(std::string warning, std::string end) {
    FDefaultWarning = std::move(warning);
    FDefaultEnd = std::move(end);
}

const std::string& DiscussionTimer::SoundPath(TimerSound sound) const {
    const bool warning = sound == TimerSound::Warning;
    const std::string& own = warning ? FSettings.WarnSound : FSettings.EndSound;
    return own.empty() ? (warning ? FDefaultWarning : FDefaultEnd) : own;
}

std::string DiscussionTimer::StoredPath(TimerSound sound, std::string path) const {
    const std::string& shipped = sound == TimerSound::Warning ? FDefaultWarning : FDefaultEnd;
    return path == shipped ? std::string() : path;
}

std::string& DiscussionTimer::StoredField(TimerSound sound) {
    return sound == TimerSound::Warning ? FSettings.WarnSound : FSettings.EndSound;
}

void DiscussionTimer::SetSoundPath(TimerSound sound, std::string path) {
    if (sound == TimerSound::None) return;
    StoredField(sound) = StoredPath(sound, std::move(path));
}

TimerDialogValues DiscussionTimer::DialogValues() const {
    return {FSettings.FullTime,        FSettings.WarnTime,         SoundPath(TimerSound::Warning),
            SoundPath(TimerSound::End), FSettings.PlayWarn, FSettings.PlayEnd};
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
        return Request(TimerSound::End, FSettings.PlayEnd);
    }
    --FFields.Remaining;
    SoundRequest request;
    if (FFields.Remaining == FSettings.WarnTime) {
        FWarned = true;
        request = Request(TimerSound::Warning, FSettings.PlayWarn);
    }
    FDisplay = TimerDisplayText(FFields.Remaining);
    return request;
}

// Without any file the player would only fail at every signal; the dialog
// unchecks such a box anyway, so a box checked in the configuration
// without a file plays nothing.
SoundRequest DiscussionTimer::Request(TimerSound sound, bool play) const {
    const std::string& path = SoundPath(sound);
    if (!play || path.empty()) return {};
    return {sound, path};
}

void DiscussionTimer::ApplyDialog(const TimerDialogValues& values) {
    FSettings.PlayWarn = values.CheckWar && !values.WarPath.empty();
    FSettings.PlayEnd = values.CheckEnd && !values.EndPath.empty();
    SetSoundPath(TimerSound::Warning, values.WarPath);
    SetSoundPath(TimerSound::End, values.EndPath);
    FSettings.FullTime = values.AllTime;
    FDisplay = std::to_string(values.AllTime);
    FSettings.WarnTime = std::min(values.WarTime, values.AllTime);
}
