// Games for tests and benchmarks, built through the model's own operations.
#pragma once

#include "model/VemoData.h"

#include <memory>
#include <random>
#include <string>
#include <vector>

// One tour per entry of `tours` (named "Тур 1", ... in Windows-1251) and one
// team per string of marks: '+' taken, anything else not taken, by
// absolute question index. Teams are named "T1", "T2", ... The whole
// game is in view and every question enters the count.
std::unique_ptr<TVemoData> MakeGame(const std::vector<int>& tours, const std::vector<std::string>& marks);

struct RandomGameShape {
    int teams = 20;
    std::vector<int> tours = {12};
    int groups = 0;       // teams are spread over the groups; some stay outside
    int maxDeposit = 0;   // deposits 0..maxDeposit
};

// Teams of varied strength and questions of varied difficulty, so that
// scores and ratings both tie and differ.
std::unique_ptr<TVemoData> MakeRandomGame(std::mt19937& random, const RandomGameShape& shape);

// "+-+" of a team's marks over the whole game.
std::string MarksText(const TTeamData& team);
