#include "model/GameInvariants.h"

#include "model/VemoData.h"

#include <vector>

namespace {

std::string NumbersBroken(const TVemoData& game) {
    std::vector<bool> seen(static_cast<std::size_t>(game.TeamCount()) + 1, false);
    for (int i = 0; i < game.TeamCount(); ++i) {
        const int number = game.TeamByIndex(i)->Number;
        if (number < 1 || number > game.TeamCount() || seen[static_cast<std::size_t>(number)])
            return "team numbers are not 1.." + std::to_string(game.TeamCount()) + ": " + std::to_string(number);
        seen[static_cast<std::size_t>(number)] = true;
    }
    return {};
}

std::string MarksBroken(const TVemoData& game) {
    for (int i = 0; i < game.TeamCount(); ++i)
        if (game.TeamByIndex(i)->MarkCount() != game.QuestionCount())
            return "team " + std::to_string(game.TeamByIndex(i)->Number) + " has " +
                   std::to_string(game.TeamByIndex(i)->MarkCount()) + " marks for " +
                   std::to_string(game.QuestionCount()) + " questions";
    return {};
}

std::string ToursBroken(const TVemoData& game) {
    int sum = 0;
    for (int t = 0; t < game.TourCount(); ++t) {
        if (game.TourQuestCount(t) < 1) return "tour " + std::to_string(t + 1) + " has no questions";
        sum += game.TourQuestCount(t);
    }
    if (game.TourCount() > 0 && sum != game.QuestionCount())
        return "the tours hold " + std::to_string(sum) + " of " + std::to_string(game.QuestionCount()) + " questions";
    if (game.CurrentTour() > game.TourCount()) return "the current tour is beyond the tours";
    int start = 0;
    for (int t = 0; t + 1 < game.CurrentTour(); ++t) start += game.TourQuestCount(t);
    if (game.TourStart() != start) return "the current tour starts at the wrong question";
    // A game without teams in view is not counted, so nothing clamps its last question.
    if (game.ActiveTeamCount() > 0 && game.LastQuestion() > game.WindowQuestionCount())
        return "the last question is beyond the window";
    return {};
}

bool OwnsGroup(const TVemoData& game, const TGroupData* group) {
    for (int g = 0; g < game.GroupCount(); ++g)
        if (game.GroupByIndex(g) == group) return true;
    return false;
}

std::string GroupsBroken(const TVemoData& game) {
    for (int i = 0; i < game.TeamCount(); ++i)
        if (game.TeamByIndex(i)->Group() && !OwnsGroup(game, game.TeamByIndex(i)->Group()))
            return "team " + std::to_string(game.TeamByIndex(i)->Number) + " is in a group of another game";
    if (game.CurrentGroup() > game.GroupCount()) return "the current group is beyond the groups";
    if (game.CurrentGroup() == 0) {
        if (game.ActiveTeamCount() != game.TeamCount()) return "not every team is in view without a group";
        return {};
    }
    const std::string& name = game.GroupByIndex(game.CurrentGroup() - 1)->Name;
    int member = 0;
    for (int i = 0; i < game.TeamCount(); ++i) {
        const TTeamData* team = game.TeamByIndex(i);
        if (!team->Group() || team->Group()->Name != name) continue;
        if (game.ActiveTeam(member) != team) return "the teams in view are not the current group's";
        ++member;
    }
    if (member != game.ActiveTeamCount()) return "the teams in view are not the current group's";
    return {};
}

}  // namespace

std::string BrokenInvariant(const TVemoData& game) {
    for (auto check : {NumbersBroken, MarksBroken, ToursBroken, GroupsBroken})
        if (std::string broken = check(game); !broken.empty()) return broken;
    return {};
}
