#include "model/GameMerge.h"

#include "base/Errors.h"
#include "base/TransCodes.h"
#include "model/VemoData.h"

#include <string>
#include <unordered_set>

namespace {

bool SameTours(const TVemoData& a, const TVemoData& b) {
    if (a.TourCount() != b.TourCount()) return false;
    for (int i = 0; i < a.TourCount(); ++i)
        if (a.TourQuestCount(i) != b.TourQuestCount(i)) return false;
    return true;
}

// Name and town upper-cased, apart by a byte no text of a game holds.
std::string TeamKey(const TTeamData& team) {
    return TransCodes::UpperCase(team.Name) + '\0' + TransCodes::UpperCase(team.Town);
}

bool HaveSameTeam(const TVemoData& open, const TVemoData& other) {
    std::unordered_set<std::string> inView;
    inView.reserve(static_cast<std::size_t>(open.ActiveTeamCount()));
    for (int i = 0; i < open.ActiveTeamCount(); ++i) inView.insert(TeamKey(*open.ActiveTeam(i)));
    for (int i = 0; i < other.TeamCount(); ++i)
        if (inView.contains(TeamKey(*other.TeamByIndex(i)))) return true;
    return false;
}

std::string JoinedText(const std::string& own, const std::string& other) {
    return own == other ? own : own + " / " + other;
}

}  // namespace

MergeRefusal CheckMerge(const TVemoData& open, const TVemoData& other) {
    if (open.QuestionCount() != other.QuestionCount()) return MergeRefusal::QuestionCount;
    if (!SameTours(open, other)) return MergeRefusal::Tours;
    if (HaveSameTeam(open, other)) return MergeRefusal::SameTeams;
    return MergeRefusal::None;
}

void MergeGame(TVemoData& open, const TVemoData& other) {
    if (other.TeamCount() > TVemoData::kMaxCount - open.TeamCount()) throw ERangeError();
    open.SetGameName(JoinedText(open.GameName(), other.GameName()));
    open.SetPresenter(JoinedText(open.Presenter(), other.Presenter()));
    std::vector<std::unique_ptr<TTeamData>> joined;
    joined.reserve(static_cast<std::size_t>(other.TeamCount()));
    // A copy takes the marks of every question by absolute index, as the
    // two games have the same questions.
    for (int i = 0; i < other.TeamCount(); ++i) joined.push_back(TTeamData::CreateCopy(*other.TeamByIndex(i), open));
    open.AddTeams(std::move(joined));
}
