#include "model/GameJson.h"

#include "base/JsonText.h"
#include "base/TransCodes.h"

namespace {

std::string Quoted(const std::string& ansi) { return JsonString(TransCodes::AnsiToUtf8(ansi)); }

// Index of the first group named like the team's group, or "null".
std::string GroupIndexOf(const TVemoData& game, const TTeamData& team) {
    if (!team.Group()) return "null";
    for (int g = 0; g < game.GroupCount(); ++g)
        if (game.GroupByIndex(g)->Name == team.Group()->Name) return std::to_string(g);
    return "null";
}

std::string MarksOf(const TVemoData& game, const TTeamData& team) {
    std::string marks;
    for (int q = 0; q < game.QuestionCount(); ++q) marks += team.RawMark(q) ? '+' : '-';
    return marks;
}

template <typename Item>
std::string List(int count, Item item) {
    std::string out = "[";
    for (int i = 0; i < count; ++i) out += (i ? ", " : "") + item(i);
    return out + "]";
}

}  // namespace

std::string GameToJson(const TVemoData& game) {
    const std::string tours = List(game.TourCount(), [&](int i) {
        return "{\"name\": " + Quoted(game.TourName(i)) +
               ", \"questions\": " + std::to_string(game.TourQuestCount(i)) + "}";
    });
    const std::string groups = List(game.GroupCount(), [&](int i) { return Quoted(game.GroupByIndex(i)->Name); });
    const std::string teams = List(game.TeamCount(), [&](int i) {
        const TTeamData& t = *game.TeamByIndex(i);
        return "{\"number\": " + std::to_string(t.Number) + ", \"name\": " + Quoted(t.Name) +
               ", \"town\": " + Quoted(t.Town) + ", \"captain\": " + Quoted(t.Captain) +
               ", \"trainer\": " + Quoted(t.Trainer) + ", \"group\": " + GroupIndexOf(game, t) +
               ", \"deposit\": " + std::to_string(t.ScoreDeposit) + ", \"marks\": \"" + MarksOf(game, t) + "\"}";
    });
    return "{\"game_name\": " + Quoted(game.GameName()) + ", \"presenter\": " + Quoted(game.Presenter()) +
           ", \"date\": " + Quoted(game.GameDateText()) +
           ", \"question_count\": " + std::to_string(game.QuestionCount()) + ", \"tours\": " + tours +
           ", \"current_tour\": " + std::to_string(game.CurrentTour()) + ", \"groups\": " + groups +
           ", \"current_group\": " + std::to_string(game.CurrentGroup()) + ", \"teams\": " + teams + "}";
}
