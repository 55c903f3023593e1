#include "output/ReportData.h"

#include "champ/Championship.h"
#include "model/VemoData.h"

#include <unordered_map>

namespace {

ReportTeam TeamRow(const TVemoData& game, int i) {
    const TTeamData& team = *game.ActiveTeam(i);
    ReportTeam row;
    row.number = team.Number;
    row.name = team.Name;
    row.town = team.Town;
    row.captain = team.Captain;
    row.score = team.Score;
    row.ratScore = team.RatScore;
    row.place = team.Place;
    const int questions = game.WindowQuestionCount();
    row.marks.reserve(static_cast<std::size_t>(questions));
    for (int q = 0; q < questions; ++q) row.marks += game.QuestSign(i, q);
    row.takenCount = game.TeamTakenCount(i);
    return row;
}

// Tours are listed only where the window holds more than one of them.
std::vector<ReportTour> WindowTours(const TVemoData& game) {
    std::vector<ReportTour> tours;
    if (game.CurrentTour() != 0 || game.TourCount() < 2) return tours;
    for (int t = 0; t < game.TourCount(); ++t) tours.push_back({game.TourName(t), game.TourQuestCount(t)});
    return tours;
}

}  // namespace

ReportData GameReportData(TVemoData& game, InfoType type, RatingType rating) {
    ReportData data;
    data.type = type;
    data.rating = rating;
    data.title = game.CurrentTourName();
    data.dateText = game.GameDateText();
    data.lastQuestion = game.GetLastQuestion();
    data.gameName = game.GameName();
    data.count = game.GetCountOptions();
    data.tours = WindowTours(game);
    const int questions = game.WindowQuestionCount();
    data.ratings.reserve(static_cast<std::size_t>(questions));
    for (int q = 0; q < questions; ++q) data.ratings.push_back(game.QuestionRating(q));

    const int teams = game.ActiveTeamCount();
    std::unordered_map<const TTeamData*, int> indexOf;
    data.teams.reserve(static_cast<std::size_t>(teams));
    for (int i = 0; i < teams; ++i) {
        data.teams.push_back(TeamRow(game, i));
        indexOf.emplace(game.ActiveTeam(i), i);
    }
    for (const TTeamData* team : game.TeamsInCountedOrder()) data.countedOrder.push_back(indexOf.at(team));
    return data;
}

ReportData ChampReportData(const Championship& championship, std::string name) {
    ReportData data;
    data.type = InfoType::Championship;
    data.title = std::move(name);
    data.champTeams = championship.ChampTeams();
    data.champSettings = championship.Settings();
    return data;
}

std::string TownPrefix(const std::string& town) { return town.substr(0, 2); }

std::vector<std::string> TakenEntries(const ReportData& data, const ReportTeam& team) {
    std::vector<std::string> entries;
    for (int q = 0; q < data.QuestionCount(); ++q)
        if (team.Sign(q) == '+')
            entries.push_back(std::to_string(q + 1) + "(" + std::to_string(data.Rating(q)) + ")");
    return entries;
}
