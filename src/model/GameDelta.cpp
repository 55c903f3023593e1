#include "model/GameDelta.h"

#include <algorithm>

namespace {

const std::string* GroupName(const TTeamData& team) { return team.Group() ? &team.Group()->Name : nullptr; }

bool SameGroup(const TTeamData& a, const TTeamData& b) {
    const std::string* x = GroupName(a);
    const std::string* y = GroupName(b);
    return x == y || (x && y && *x == *y);
}

// Teams, groups and questions in the same places: a delta by position applies.
bool SameShape(const TVemoData& a, const TVemoData& b) {
    if (a.TeamCount() != b.TeamCount() || a.QuestionCount() != b.QuestionCount() ||
        a.GroupCount() != b.GroupCount())
        return false;
    for (int g = 0; g < a.GroupCount(); ++g)
        if (a.GroupByIndex(g)->Name != b.GroupByIndex(g)->Name) return false;
    for (int i = 0; i < a.TeamCount(); ++i) {
        const TTeamData& x = *a.TeamByIndex(i);
        const TTeamData& y = *b.TeamByIndex(i);
        if (x.MarkCount() != y.MarkCount() || !SameGroup(x, y)) return false;
    }
    return true;
}

// What a team is, as opposed to what the last count made of it.
bool SameOwnValues(const TTeamValues& a, const TTeamValues& b) {
    return a.Number == b.Number && a.ScoreDeposit == b.ScoreDeposit && a.Name == b.Name && a.Town == b.Town &&
           a.Captain == b.Captain && a.Trainer == b.Trainer;
}

void SetOwnValues(TTeamValues& team, const TTeamValues& values) {
    team.Name = values.Name;
    team.Town = values.Town;
    team.Captain = values.Captain;
    team.Trainer = values.Trainer;
    team.ScoreDeposit = values.ScoreDeposit;
    team.Number = values.Number;
}

// The count options follow the program, not the game's history.
bool SameValues(TGameValues a, const TGameValues& b) {
    a.FCountOptions = b.FCountOptions;
    return a == b;
}

std::size_t TextBytes(const std::string& text) { return text.capacity() > 15 ? text.capacity() + 1 : 0; }

std::size_t TeamBytes(const TTeamValues& t) {
    return TextBytes(t.Name) + TextBytes(t.Town) + TextBytes(t.Captain) + TextBytes(t.Trainer);
}

std::size_t ValuesBytes(const TGameValues& v) {
    std::size_t bytes = TextBytes(v.FGameName) + TextBytes(v.FPresenter) + TextBytes(v.FFileName);
    for (const std::string& name : v.FTourNames) bytes += sizeof name + TextBytes(name);
    return bytes + v.FTourQuestCounts.capacity() * sizeof(uint16_t);
}

}  // namespace

std::optional<GameDelta> GameDelta::Between(const TVemoData& before, const TGameValues& valuesBefore,
                                            const TVemoData& after) {
    if (!SameShape(before, after)) return std::nullopt;
    GameDelta delta;
    for (int i = 0; i < before.TeamCount(); ++i) {
        const TTeamData& was = *before.TeamByIndex(i);
        const TTeamData& is = *after.TeamByIndex(i);
        if (!SameOwnValues(was, is)) delta.FTeams.push_back({i, was, is});
        if (was.RawMarks() == is.RawMarks()) continue;
        for (int q = 0; q < was.MarkCount(); ++q)
            if (was.RawMark(q) != is.RawMark(q)) delta.FMarks.push_back({i, q, was.RawMark(q), is.RawMark(q)});
    }
    delta.FViewBefore = {valuesBefore.FCurrentTour, valuesBefore.FCurrentGroup, valuesBefore.FLastQuestion};
    delta.FViewAfter = {after.CurrentTour(), after.CurrentGroup(), after.LastQuestion()};
    if (!SameValues(valuesBefore, after.Values()))
        delta.FValues = std::make_unique<ValuesChange>(ValuesChange{valuesBefore, after.Values()});
    // The history keeps it for long: no room to spare.
    delta.FMarks.shrink_to_fit();
    delta.FTeams.shrink_to_fit();
    return delta;
}

void GameDelta::Apply(TVemoData& game, Side side) const {
    const bool before = side == Side::Before;
    for (const MarkChange& m : FMarks) game.TeamByIndex(m.team)->SetRawMark(m.question, before ? m.before : m.after);
    for (const TeamChange& t : FTeams) SetOwnValues(*game.TeamByIndex(t.team), before ? t.before : t.after);
    if (FValues) {
        game.RestoreValues(before ? FValues->before : FValues->after);
        return;
    }
    const View& view = before ? FViewBefore : FViewAfter;
    game.SetCurrentTour(view.tour);
    game.SetCurrentGroup(view.group);
    game.StoreLastQuestion(view.lastQuestion);
}

std::size_t GameDelta::Bytes() const {
    std::size_t bytes = sizeof *this + FMarks.capacity() * sizeof(MarkChange) + FTeams.capacity() * sizeof(TeamChange);
    for (const TeamChange& t : FTeams) bytes += TeamBytes(t.before) + TeamBytes(t.after);
    if (FValues) bytes += sizeof(ValuesChange) + ValuesBytes(FValues->before) + ValuesBytes(FValues->after);
    return bytes;
}

std::size_t HeldBytes(const TVemoData& game) {
    std::size_t bytes = sizeof game + ValuesBytes(game.Values());
    for (int g = 0; g < game.GroupCount(); ++g)
        bytes += sizeof(void*) + sizeof(TGroupData) + TextBytes(game.GroupByIndex(g)->Name);
    for (int i = 0; i < game.TeamCount(); ++i) {
        const TTeamData& team = *game.TeamByIndex(i);
        bytes += sizeof(void*) + sizeof team + team.RawMarks().capacity() + TeamBytes(team);
    }
    return bytes;
}
