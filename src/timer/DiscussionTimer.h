// The countdown of the teams' discussion time, shown at the right end of the
// main window's tool bar, as a state machine without a screen or a clock.
//
// The window forwards to it:
//   - ActTimerStart  -> StartPause()
//   - ActTimerStop   -> Stop()         (the configuration load runs it once)
//   - each tick of TimerForTimer -> Tick(), and plays what it asks for
//   - showing TTimerForm -> DialogValues()
//   - closing TTimerForm -> ApplyDialog(), then stops a sound that plays
//   - a browse in TTimerForm -> SetSoundPath()
// and after each of them shows DisplayText() on both labels, the front one
// red when Warned() and green otherwise, and keeps TimerForTimer enabled
// and ActTimerStart's pause picture exactly while Running() (a tick at 0
// stops the countdown).
//
// States: stopped (Remaining = full time, green), running, paused (Remaining
// kept), each of the last two green or, once Remaining has reached the
// warning time, red. Stop returns to stopped from every state; a tick at 0
// does the same and asks for the end sound.
#pragma once

#include "timer/TimerFields.h"

#include <cstdint>
#include <string>

// The timer's fields of the main window, kept in the configuration
// (TIMERALL, TIMERWARN, WAYWARN, WAYEND, PLAYWARN, PLAYEND).
struct TimerSettings {
    uint16_t FullTime = 0;  // seconds the countdown starts from
    uint16_t WarnTime = 0;  // remaining seconds at which the warning comes
    std::string WarnSound;  // wave file paths, empty when none was chosen
    std::string EndSound;
    bool PlayWarn = false;
    bool PlayEnd = false;

    bool operator==(const TimerSettings&) const = default;
};

// What the settings dialog TTimerForm shows when it opens and holds when it
// is closed, in any way.
struct TimerDialogValues {
    uint16_t AllTime = 0;  // EnterAllTime
    uint16_t WarTime = 0;  // EnterWarTime
    std::string WarPath;   // EnterWar
    std::string EndPath;   // EnterEnd
    bool CheckWar = false;
    bool CheckEnd = false;
};

enum class TimerSound { None, Warning, End };

// A sound a tick asks the window to open and play without waiting.
struct SoundRequest {
    TimerSound Sound = TimerSound::None;
    std::string Path;

    bool operator==(const SoundRequest&) const = default;
};

class DiscussionTimer {
public:
    const TimerSettings& Settings() const { return FSettings; }
    // The configuration's values as they are read (a warning time above the
    // full time then simply never comes). The display is left alone: the
    // load runs Stop afterwards.
    void SetSettings(const TimerSettings& settings) { FSettings = settings; }
    // A file chosen with a browse button becomes the sound at once, even if
    // the dialog is then closed without its OK button.
    void SetSoundPath(TimerSound sound, std::string path);

    // The signals that ship with the program (empty: none installed). They
    // sound wherever the settings name no file of their own, and the dialog
    // shows them; the settings keep an empty path for them, so that the
    // configuration stays valid when the program moves.
    void SetDefaultSounds(std::string warning, std::string end);
    // The file a signal plays: the settings' own, or the shipped one.
    const std::string& SoundPath(TimerSound sound) const;
    TimerDialogValues DialogValues() const;

    bool Running() const { return FFields.Running; }
    uint16_t Remaining() const { return FFields.Remaining; }
    // "00" until the first Stop.
    const std::string& DisplayText() const { return FDisplay; }
    bool Warned() const { return FWarned; }

    // Starts, or pauses keeping the remaining time, so that a second start
    // goes on where the first one paused.
    void StartPause() { FFields.Running = !FFields.Running; }
    // Stops and resets to the full time, in green.
    void Stop();
    // One second; nothing while not running. At 0 the countdown stops and
    // asks for the end sound; otherwise it counts down and, on reaching the
    // warning time, turns red and asks for the warning sound. A sound is
    // asked for only when its box is checked and it has a file (its own or
    // the shipped one).
    SoundRequest Tick();
    // The dialog's closing rules: a box without a file is unchecked, the
    // paths and boxes are taken, the full time is taken and shown at once
    // (plain decimal, colour unchanged), the warning time is taken, lowered
    // to the full time. A running countdown goes on; its next tick
    // overwrites the display. The window stops a sound that is playing.
    void ApplyDialog(const TimerDialogValues& values);

private:
    SoundRequest Request(TimerSound sound, bool play) const;
    // The path the settings keep: empty for the shipped signal.
    std::string StoredPath(TimerSound sound, std::string path) const;
    std::string& StoredField(TimerSound sound);

    TimerSettings FSettings;
    std::string FDefaultWarning;
    std::string FDefaultEnd;
    TimerFields FFields;
    bool FWarned = false;
    std::string FDisplay = "00";
};
