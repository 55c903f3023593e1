// Games for the tests of the setup rules, with texts written in UTF-8 and
// kept in Windows-1251 as the game holds them.
#pragma once

#include "model/VemoData.h"

#include <memory>
#include <string>
#include <vector>

struct TeamTexts {
    TeamTexts(std::string name_, std::string town_, std::string captain_ = {}, std::string coach_ = {})
        : name(std::move(name_)), town(std::move(town_)), captain(std::move(captain_)), coach(std::move(coach_)) {}

    std::string name;
    std::string town;
    std::string captain;
    std::string coach;
};

std::string Ansi(const std::string& utf8);
std::string Utf8(const std::string& ansi);

// One tour per entry of `tours` ("Тур 1", ...), the teams numbered in order.
std::unique_ptr<TVemoData> TeamsGame(const std::vector<TeamTexts>& teams, const std::vector<int>& tours = {});
void AddGroups(TVemoData& game, const std::vector<std::string>& names);
// Puts team `number` in the group at `index` (0-based).
void JoinGroup(TVemoData& game, int number, int index);
