// Everything an output of one information type reads, taken from a counted
// game or a championship in one step. The text report, the pages and the
// workbook are plain functions of it, so they never touch the game (or its
// recounts) and the championship table feeds the same writers.
#pragma once

#include "base/CountOptions.h"
#include "champ/ChampSettings.h"
#include "champ/ChampTeamRec.h"
#include "output/InfoType.h"

#include <string>
#include <vector>

class Championship;
class TVemoData;

struct ReportTeam {
    int number = 0;
    std::string name;
    std::string town;
    std::string captain;
    int score = 0;
    int ratScore = 0;
    int place = 0;
    // '+' or '-' for every question of the window.
    std::string marks;
    int takenCount = 0;

    char Sign(int q) const { return marks[static_cast<std::size_t>(q)]; }
};

struct ReportTour {
    std::string name;
    int questions = 0;
};

struct ReportData {
    InfoType type = InfoType::TourResults;
    RatingType rating = RatingType::PlusOne;
    // The tour's name, or the game's for the whole game; the championship's name.
    std::string title;
    std::string dateText;
    int lastQuestion = 0;

    // The game's own name and the options the teams were counted with.
    std::string gameName;
    CountOptions count;
    // The tours of a window that spans several (the whole game of a game
    // with tours), in order; empty when the window is one tour.
    std::vector<ReportTour> tours;

    // The rating of every question of the window.
    std::vector<int> ratings;
    // The teams in view, in team-list order.
    std::vector<ReportTeam> teams;
    // Indexes into `teams` in the order of the last count (place order).
    std::vector<int> countedOrder;
    // The championship table in its order, and how it was counted (the
    // mode and the obligatory games its columns show).
    std::vector<ChampTeamRec> champTeams;
    ChampSettings champSettings;

    int QuestionCount() const { return static_cast<int>(ratings.size()); }
    int TeamCount() const { return static_cast<int>(teams.size()); }
    int ChampRowCount() const { return static_cast<int>(champTeams.size()); }
    int Rating(int q) const { return ratings[static_cast<std::size_t>(q)]; }
    const ReportTeam& Team(int i) const { return teams[static_cast<std::size_t>(i)]; }
    // The team at `position` of the place order (0 for the first place).
    const ReportTeam& TeamAt(int position) const { return Team(countedOrder[static_cast<std::size_t>(position)]); }
};

// The data of information types 0-3 from a game the caller has counted.
ReportData GameReportData(TVemoData& game, InfoType type, RatingType rating);

// The data of information type 4: the championship's table under `name`.
ReportData ChampReportData(const Championship& championship, std::string name);

// The first two characters of a town (fewer when it is shorter), as every
// output shows it beside a team's name.
std::string TownPrefix(const std::string& town);

// "q(r)" for every question the team took, in question order, r being the
// question's rating.
std::vector<std::string> TakenEntries(const ReportData& data, const ReportTeam& team);
