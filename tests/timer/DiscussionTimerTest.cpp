// The countdown's rules as sequences of commands and ticks, each followed by
// what the display, its colour and the sound player get.
#include "timer/DiscussionTimer.h"

#include <gtest/gtest.h>

namespace {

enum class Op { StartPause, Tick, Stop, Apply };
enum Colour : bool { Green = false, Red = true };
constexpr TimerSound None = TimerSound::None;
constexpr TimerSound Warning = TimerSound::Warning;
constexpr TimerSound End = TimerSound::End;

struct Step {
    Op op;
    std::string text;
    Colour colour;
    TimerSound sound = None;
};

Step StartPause(std::string text, Colour c = Green) { return {Op::StartPause, std::move(text), c}; }
Step Tick(std::string text, Colour c = Green, TimerSound s = None) { return {Op::Tick, std::move(text), c, s}; }
Step Stop(std::string text) { return {Op::Stop, std::move(text), Green}; }
Step Apply(std::string text, Colour c = Green) { return {Op::Apply, std::move(text), c}; }

// Ticks showing `from` down to `to`, all in one colour and without sound.
std::vector<Step> Ticks(int from, int to, Colour c = Green) {
    std::vector<Step> steps;
    for (int s = from; s >= to; --s) steps.push_back(Tick(TimerDisplayText(s), c));
    return steps;
}

std::vector<Step> Join(std::initializer_list<std::vector<Step>> parts) {
    std::vector<Step> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TimerSettings Settings(uint16_t full, uint16_t warn, bool playWarn = true, bool playEnd = true) {
    return {full, warn, "warn.wav", "end.wav", playWarn, playEnd};
}

struct Case {
    const char* name;
    TimerSettings settings;
    std::vector<Step> steps;
    TimerDialogValues dialog = {};
};

const std::string& PathOf(TimerSound sound, const TimerSettings& s) {
    return sound == Warning ? s.WarnSound : s.EndSound;
}

void RunCase(const Case& c) {
    SCOPED_TRACE(c.name);
    DiscussionTimer timer;
    timer.SetSettings(c.settings);
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        const Step& step = c.steps[i];
        SoundRequest sound;
        switch (step.op) {
            case Op::StartPause: timer.StartPause(); break;
            case Op::Tick: sound = timer.Tick(); break;
            case Op::Stop: timer.Stop(); break;
            case Op::Apply: timer.ApplyDialog(c.dialog); break;
        }
        EXPECT_EQ(timer.DisplayText(), step.text) << "step " << i;
        EXPECT_EQ(timer.Warned(), step.colour == Red) << "step " << i;
        EXPECT_EQ(sound.Sound, step.sound) << "step " << i;
        if (step.sound != None) {
            EXPECT_EQ(sound.Path, PathOf(step.sound, timer.Settings())) << "step " << i;
        }
    }
}

}  // namespace

TEST(DiscussionTimer, ShowsTwoDigitsUntilTheFirstStop) {
    DiscussionTimer timer;
    timer.SetSettings(Settings(60, 10));
    EXPECT_EQ(timer.DisplayText(), "00");
    timer.Stop();
    EXPECT_EQ(timer.DisplayText(), "60");
    EXPECT_EQ(timer.Remaining(), 60);
}

TEST(DiscussionTimer, CountdownSequences) {
    const std::vector<Case> cases = {
        {"full time 9 comes back to 09 after 00",
         Settings(9, 3),
         Join({{Stop("09"), StartPause("09")},
               Ticks(8, 4),
               {Tick("03", Red, Warning)},
               Ticks(2, 0, Red),
               {Tick("09", Green, End), Tick("09"), Tick("09")}})},
        {"a full minute: red at 10, back to 60 one second after 00",
         Settings(60, 10),
         Join({{Stop("60"), StartPause("60")},
               Ticks(59, 11),
               {Tick("10", Red, Warning)},
               Ticks(9, 0, Red),
               {Tick("60", Green, End)}})},
        {"warning equal to the full time never warns",
         Settings(5, 5),
         Join({{Stop("05"), StartPause("05")}, Ticks(4, 0), {Tick("05", Green, End)}})},
        {"warning 0 comes with 00, the end one second later",
         Settings(3, 0),
         Join({{Stop("03"), StartPause("03")}, Ticks(2, 1), {Tick("00", Red, Warning), Tick("03", Green, End)}})},
        {"pause and resume go on without a reset and without a second warning",
         Settings(6, 3),
         Join({{Stop("06"), StartPause("06"), Tick("05"), StartPause("05"), Tick("05"), StartPause("05"), Tick("04"),
                Tick("03", Red, Warning), StartPause("03", Red), Tick("03", Red), Tick("03", Red),
                StartPause("03", Red)},
               Ticks(2, 0, Red),
               {Tick("06", Green, End)}})},
        {"a new full time while running shows at once; the next tick goes on from the old remaining time",
         Settings(10, 3),
         Join({{Stop("10"), StartPause("10"), Tick("09"), Tick("08"), Apply("20"), Tick("07"), Tick("06"),
                Tick("05", Red, Warning)},
               Ticks(4, 0, Red),
               {Tick("20", Green, End)}}),
         {20, 5, "warn.wav", "end.wav", true, true}},
        {"the dialog shows the new full time without the leading zero and keeps the red",
         Settings(10, 8),
         {Stop("10"), StartPause("10"), Tick("09"), Tick("08", Red, Warning), Apply("9", Red), Tick("07", Red),
          Stop("09")},
         {9, 50, "warn.wav", "end.wav", true, true}},
        {"the warning lowered to a full time set while stopped",
         Settings(10, 3),
         Join({{Stop("10"), Apply("4"), Stop("04"), StartPause("04"), Tick("03"), Tick("02"), Tick("01"),
                Tick("00")},
               {Tick("04", Green, End)}}),
         {4, 200, "warn.wav", "end.wav", true, true}},
        {"unchecked sounds: the colour still turns, nothing plays",
         Settings(2, 1, false, false),
         {Stop("02"), StartPause("02"), Tick("01", Red), Tick("00", Red), Tick("02")}},
        {"a sound box checked without a file plays nothing",
         {2, 1, "", "", true, true},
         {Stop("02"), StartPause("02"), Tick("01", Red), Tick("00", Red), Tick("02")}},
        {"a full time of 0 ends at the first tick",
         Settings(0, 0),
         {Stop("00"), StartPause("00"), Tick("00", Green, End), Tick("00")}},
    };
    for (const Case& c : cases) RunCase(c);
}

TEST(DiscussionTimer, StopFromEveryStateResetsToTheFullTimeInGreen) {
    struct Prefix {
        const char* state;
        std::vector<Op> ops;
    };
    const std::vector<Prefix> prefixes = {
        {"stopped", {}},
        {"running", {Op::StartPause, Op::Tick}},
        {"paused", {Op::StartPause, Op::Tick, Op::StartPause}},
        {"running, warned", {Op::StartPause, Op::Tick, Op::Tick, Op::Tick}},
        {"paused, warned", {Op::StartPause, Op::Tick, Op::Tick, Op::Tick, Op::StartPause}},
        {"running at 00", {Op::StartPause, Op::Tick, Op::Tick, Op::Tick, Op::Tick, Op::Tick}},
        {"after the end", {Op::StartPause, Op::Tick, Op::Tick, Op::Tick, Op::Tick, Op::Tick, Op::Tick}},
    };
    for (const Prefix& prefix : prefixes) {
        SCOPED_TRACE(prefix.state);
        DiscussionTimer timer;
        timer.SetSettings(Settings(5, 2));
        timer.Stop();
        for (Op op : prefix.ops) op == Op::Tick ? (void)timer.Tick() : timer.StartPause();
        timer.Stop();
        EXPECT_FALSE(timer.Running());
        EXPECT_EQ(timer.Remaining(), 5);
        EXPECT_EQ(timer.DisplayText(), "05");
        EXPECT_FALSE(timer.Warned());
        EXPECT_EQ(timer.Tick(), SoundRequest{});
        EXPECT_EQ(timer.DisplayText(), "05");
        timer.StartPause();
        EXPECT_TRUE(timer.Running());
        timer.Tick();
        EXPECT_EQ(timer.DisplayText(), "04");
    }
}

TEST(DiscussionTimer, ClosingTheDialogTakesItsValues) {
    struct DialogCase {
        const char* name;
        TimerDialogValues values;
        TimerSettings expected;
    };
    const std::vector<DialogCase> cases = {
        {"taken as they are", {90, 15, "w.wav", "e.wav", true, false}, {90, 15, "w.wav", "e.wav", true, false}},
        {"an empty end path unchecks its box", {60, 10, "w.wav", "", true, true}, {60, 10, "w.wav", "", true, false}},
        {"an empty warning path unchecks its box", {60, 10, "", "e.wav", true, true}, {60, 10, "", "e.wav", false, true}},
        {"the warning lowered to the full time", {30, 45, "", "", false, false}, {30, 30, "", "", false, false}},
        {"a warning equal to the full time stays", {30, 30, "", "", false, false}, {30, 30, "", "", false, false}},
    };
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.name);
        DiscussionTimer timer;
        timer.SetSettings(Settings(60, 10));
        timer.ApplyDialog(c.values);
        EXPECT_EQ(timer.Settings(), c.expected);
    }
}

TEST(DiscussionTimer, ABrowsedFileIsTheSoundAtOnce) {
    DiscussionTimer timer;
    timer.SetSettings(Settings(3, 1));
    timer.SetSoundPath(TimerSound::Warning, "new-warn.wav");
    timer.SetSoundPath(TimerSound::End, "new-end.wav");
    timer.Stop();
    timer.StartPause();
    timer.Tick();
    EXPECT_EQ(timer.Tick(), (SoundRequest{Warning, "new-warn.wav"}));
    timer.Tick();
    EXPECT_EQ(timer.Tick(), (SoundRequest{End, "new-end.wav"}));
}

TEST(DiscussionTimer, TheShippedSignalsSoundWhereTheSettingsNameNoFile) {
    struct Case {
        const char* name;
        std::string ownWarning, ownEnd;
        std::string shippedWarning, shippedEnd;
        SoundRequest warning, end;
    };
    const std::vector<Case> cases = {
        {"no file of its own: the shipped ones", "", "", "/p/TimerWarning.wav", "/p/TimerEnd.wav",
         {Warning, "/p/TimerWarning.wav"}, {End, "/p/TimerEnd.wav"}},
        {"the settings' files win", "my-warn.wav", "my-end.wav", "/p/TimerWarning.wav", "/p/TimerEnd.wav",
         {Warning, "my-warn.wav"}, {End, "my-end.wav"}},
        {"one of each", "my-warn.wav", "", "/p/TimerWarning.wav", "/p/TimerEnd.wav", {Warning, "my-warn.wav"},
         {End, "/p/TimerEnd.wav"}},
        {"none shipped, none chosen: silence", "", "", "", "", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DiscussionTimer timer;
        timer.SetSettings({2, 1, c.ownWarning, c.ownEnd, true, true});
        timer.SetDefaultSounds(c.shippedWarning, c.shippedEnd);
        timer.Stop();
        timer.StartPause();
        EXPECT_EQ(timer.Tick(), c.warning);
        timer.Tick();
        EXPECT_EQ(timer.Tick(), c.end);
    }
}

TEST(DiscussionTimer, TheDialogShowsTheShippedSignalsAndTheSettingsKeepNoPathForThem) {
    DiscussionTimer timer;
    timer.SetSettings({60, 10, "", "my-end.wav", false, true});
    timer.SetDefaultSounds("/p/TimerWarning.wav", "/p/TimerEnd.wav");
    const TimerDialogValues shown = timer.DialogValues();
    EXPECT_EQ(shown.WarPath, "/p/TimerWarning.wav");
    EXPECT_EQ(shown.EndPath, "my-end.wav");

    // Checking the shipped warning keeps it checked, with no path of its own.
    TimerDialogValues closed = shown;
    closed.CheckWar = true;
    timer.ApplyDialog(closed);
    EXPECT_EQ(timer.Settings(), (TimerSettings{60, 10, "", "my-end.wav", true, true}));

    // Browsing back to the shipped end signal forgets the own file.
    timer.SetSoundPath(TimerSound::End, "/p/TimerEnd.wav");
    EXPECT_EQ(timer.Settings().EndSound, "");
    EXPECT_EQ(timer.SoundPath(TimerSound::End), "/p/TimerEnd.wav");
}
