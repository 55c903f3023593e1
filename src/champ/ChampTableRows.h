// What the championship window's two grids show: the columns' shares of a
// grid's client width, and the texts of a row of the game list and of the
// table (Windows-1251).
#pragma once

#include "champ/ChampSettings.h"
#include "champ/ChampTeamRec.h"
#include "model/VemoData.h"

#include <array>
#include <string>
#include <vector>

// "#", "Описание тура", "Дата", "Ком.", "Вопр."
inline constexpr std::array<double, 5> kGamesTableColumns = {0.1, 0.5, 0.2, 0.09, 0.09};
// "М", "Команда", "Город", "Игры", and "Рез." or "Очки"
inline constexpr std::array<double, 5> kResTableColumns = {0.07, 0.34, 0.34, 0.1, 0.1};

// Each column's share of `clientWidth`, rounded to the nearest pixel.
std::vector<int> ColumnWidths(const std::array<double, 5>& shares, int clientWidth);

// Game `number` (from 1) of the list: the number, the game's name, its
// date, its teams in view and its questions.
std::vector<std::string> GameListRow(int number, const TVemoData& game);

// A championship row: the place, the name, the town, the games ("2(3)" in
// score mode when fewer counted) and the result ("45/160", or the points).
std::vector<std::string> ChampTableRow(const ChampTeamRec& row, const ChampSettings& settings);
