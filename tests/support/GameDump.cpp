#include "support/GameDump.h"

#include "model/GameJson.h"

namespace {

std::string Flag(const char* name, bool on) { return std::string(name) + "=" + (on ? "1" : "0") + " "; }

std::string Value(const char* name, int value) { return std::string(name) + "=" + std::to_string(value) + " "; }

}  // namespace

std::string FullGameDump(const TVemoData& game) {
    const CountOptions& count = game.GetCountOptions();
    std::string dump = GameToJson(game) + "\nfile=" + game.FileName() + "\n";
    dump += Flag("plus-one", count.RatingPlusOne) + Flag("hi-rating", count.HiRating) +
            Flag("sort-by-rating", count.SortByRating) + Flag("deposit", count.DepositScore) + "\n";
    dump += Value("last", game.LastQuestion()) + Value("tour-start", game.TourStart()) + "\n";
    for (int i = 0; i < game.TeamCount(); ++i) {
        const TTeamData& t = *game.TeamByIndex(i);
        dump += Value("team", t.Number) + Value("taken", t.TotalTaken) + Value("rating", t.RatScore) +
                Value("score", t.Score) + Value("place", t.Place) + Value("pos", t.SortPos) + "\n";
    }
    dump += "in view:";
    for (int i = 0; i < game.ActiveTeamCount(); ++i) dump += " " + std::to_string(game.ActiveTeam(i)->Number);
    return dump + "\n";
}
