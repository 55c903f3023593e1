#include "entry/QuickEntry.h"

#include "model/VemoData.h"

#include <algorithm>
#include <charconv>

namespace {

// The typed text as a whole number; an empty text reads as 0, and blanks
// around the number are allowed.
std::optional<int> ParseNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return 0;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.starts_with('+')) text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

uint8_t MarkAfter(QuickEntry::MarkAction action, uint8_t mark) {
    switch (action) {
        case QuickEntry::MarkAction::All: return 1;
        case QuickEntry::MarkAction::None: return 0;
        case QuickEntry::MarkAction::Invert: return mark ? 0 : 1;
    }
    return mark;
}

}  // namespace

QuickEntry::QuickEntry(TVemoData& game) : FGame(game) {}

int QuickEntry::QuestionCount() const { return FGame.WindowQuestionCount(); }

int QuickEntry::ShownTeamCount() const { return FGame.ActiveTeamCount(); }

void QuickEntry::SetQuestionNumber(int number) { FQuestion = std::clamp(number, 0, QuestionCount()); }

void QuickEntry::Activate() {
    if (FTeam == 0 && ShownTeamCount() > 0) FTeam = FGame.ActiveTeam(0)->Number;
    if (FQuestion == 0) FQuestion = 1;
}

QuickEntry::Entered QuickEntry::EnterQuestion(std::string_view text) {
    const int typed = ParseNumber(text).value_or(0);
    const int count = QuestionCount();
    if (typed < 1 || typed > count) {
        FQuestion = typed < 1 ? 1 : count;
        return {FQuestion, false};
    }
    FQuestion = typed;
    if (FPage == Page::OneQuestion) return {FQuestion, false};
    TTeamData* team = FGame.ActiveTeamByNumber(FTeam);
    if (!team) return {FQuestion, false};
    Invert(*team, FQuestion);
    return {FQuestion, true};
}

std::optional<QuickEntry::Entered> QuickEntry::EnterTeam(std::string_view text) {
    const std::optional<int> typed = ParseNumber(text);
    if (!typed) return std::nullopt;
    TTeamData* team = FGame.ActiveTeamByNumber(*typed);
    if (!team) {
        FTeam = ShownTeamCount() > 0 ? FGame.ActiveTeam(0)->Number : 0;
        return Entered{FTeam, false};
    }
    FTeam = team->Number;
    if (FPage == Page::OneTeam) return Entered{FTeam, false};
    Invert(*team, FQuestion);
    return Entered{FTeam, true};
}

std::optional<int> QuickEntry::ClickPosition(int position) {
    if (FPage == Page::OneQuestion) {
        TTeamData* team = FGame.ActiveTeam(position - 1);
        if (!team) return std::nullopt;
        FTeam = team->Number;
        Invert(*team, FQuestion);
        return FTeam;
    }
    if (position < 1 || position > QuestionCount()) return std::nullopt;
    FQuestion = position;
    if (TTeamData* team = FGame.ActiveTeamByNumber(FTeam)) Invert(*team, FQuestion);
    return FQuestion;
}

bool QuickEntry::StepQuestion(int delta) {
    const int next = FQuestion + delta;
    if (next < 1 || next > QuestionCount()) return false;
    FQuestion = next;
    return true;
}

bool QuickEntry::StepTeam(int delta) {
    const TTeamData* next = FGame.ActiveTeam(PositionOfTeam(FTeam) - 1 + delta);
    if (!next) return false;
    FTeam = next->Number;
    return true;
}

int QuickEntry::PositionOfTeam(int number) const {
    for (int i = 0; i < ShownTeamCount(); ++i)
        if (FGame.ActiveTeam(i)->Number == number) return i + 1;
    return 0;
}

void QuickEntry::ApplyToPage(MarkAction action) {
    const auto apply = [&](TTeamData& team, int question) {
        const uint8_t mark = team.Mark(question - 1);
        const uint8_t after = MarkAfter(action, mark);
        if ((after != 0) == (mark != 0)) return;
        team.SetMark(question - 1, after);
    };
    if (FQuestion < 1 || FQuestion > QuestionCount()) return;
    if (FPage == Page::OneQuestion) {
        for (int i = 0; i < ShownTeamCount(); ++i) apply(*FGame.ActiveTeam(i), FQuestion);
        return;
    }
    if (TTeamData* team = FGame.ActiveTeamByNumber(FTeam))
        for (int q = 1; q <= QuestionCount(); ++q) apply(*team, q);
}

void QuickEntry::Invert(TTeamData& team, int question) {
    if (question < 1 || question > QuestionCount()) return;
    team.SetMark(question - 1, team.Mark(question - 1) ? 0 : 1);
}

std::vector<DigCell> QuickEntry::FieldCells() const {
    std::vector<DigCell> cells;
    if (FPage == Page::OneQuestion) {
        const bool valid = FQuestion >= 1 && FQuestion <= QuestionCount();
        cells.reserve(static_cast<std::size_t>(ShownTeamCount()));
        for (int i = 0; i < ShownTeamCount(); ++i) {
            const TTeamData* team = FGame.ActiveTeam(i);
            cells.push_back({team->Number, valid && team->Mark(FQuestion - 1) != 0});
        }
        return cells;
    }
    const TTeamData* team = PageTeam();
    if (!team) return cells;
    cells.reserve(static_cast<std::size_t>(QuestionCount()));
    for (int q = 1; q <= QuestionCount(); ++q) cells.push_back({q, team->Mark(q - 1) != 0});
    return cells;
}

int QuickEntry::PageValue() const {
    if (FPage == Page::OneTeam) return FGame.TeamTakenCountByNumber(FTeam);
    if (FQuestion < 1 || FQuestion > QuestionCount()) return 0;
    return FGame.QuestionRating(FQuestion - 1);
}

const TTeamData* QuickEntry::PageTeam() const { return FGame.ActiveTeamByNumber(FTeam); }

const TTeamData* QuickEntry::TeamAt(int position) const { return FGame.ActiveTeam(position - 1); }

std::string ShortTeamTitle(const TTeamData& team) { return team.Name + "(" + team.Town.substr(0, 2) + ")"; }
