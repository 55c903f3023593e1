// The place history of TStatTeamForm: every team's score, rating score and
// place after each question of the view, counted with the tie-break by
// higher ratings on, whatever the game itself uses. Built once per opening
// of the window; the graph draws one team's places from it.
#pragma once

#include "model/VemoData.h"

#include <cstdint>
#include <vector>

struct PlaceRecord {
    int32_t Score = 0;
    int32_t RatScore = 0;
    int32_t Place = 0;
    bool operator==(const PlaceRecord&) const = default;
};

class PlaceHistory {
public:
    PlaceHistory() = default;

    // Counts a copy of `game` (CreateCopy, so the game's scores are brought
    // up to its LastQuestion first) with HiRating on, after question 1, 2,
    // ... Q of the view. The game keeps its options, LastQuestion, order and places.
    static PlaceHistory Build(TVemoData& game);

    int Questions() const { return FQuestions; }
    int Teams() const { return FTeams; }
    // After `question` (1 to Questions()) for the team at `team` among the
    // teams in view (ActiveTeam order); zeros for indexes out of range.
    PlaceRecord After(int question, int team) const;
    // The team's place after each question, question 1 first; empty for a
    // team out of range.
    std::vector<int> Places(int team) const;

private:
    int FQuestions = 0;
    int FTeams = 0;
    std::vector<PlaceRecord> FRecords;  // question by question, teams in view order
};
