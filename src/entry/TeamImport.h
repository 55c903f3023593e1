// A team list imported into the registration: the rows of a CSV file
// (CsvReader), with or without a header row naming the columns, checked as
// the registration checks the teams typed by hand, before anything is
// added. What passes is added to the registration's working copy in one
// step; nothing is added for a file the user decides against.
#pragma once

#include "entry/CsvReader.h"

#include <string>
#include <string_view>
#include <vector>

class TVemoData;

// A file larger than this is not a team list.
inline constexpr std::size_t kLargestTeamList = std::size_t{16} << 20;

enum class ImportColumn { Name, Town, Captain, Coach, Group };

struct ImportRow {
    int line = 0;
    // UTF-8 as the file has them (a refused row may hold what Windows-1251
    // cannot), blanks at both ends removed and line breaks made spaces.
    std::string name;
    std::string town;
    std::string captain;
    std::string coach;
    std::string group;
};

enum class ImportRefusal {
    NoName,
    NoTown,
    SameAsTeam,      // `other`: the number of the game's team
    SameAsRow,       // `other`: the line of the earlier row
    NotWindows1251,  // `column`: the field with a character Windows-1251 has not
    NoRoom,          // the game holds as many teams as it can
};

struct RefusedRow {
    ImportRow row;
    ImportRefusal reason = ImportRefusal::NoName;
    int other = 0;
    ImportColumn column = ImportColumn::Name;
};

struct ImportPlan {
    CsvEncoding encoding = CsvEncoding::Utf8;
    char separator = ';';
    bool header = false;
    std::vector<ImportRow> accepted;
    std::vector<RefusedRow> refused;
    // The groups the accepted rows name that the game has not, UTF-8, in
    // the order they first come.
    std::vector<std::string> newGroups;
};

// Without a header row the columns are the name, the town, the captain, the
// coach and the group. A first row with two or more known column names
// ("Команда", "Город", "Капитан", "Тренер", "Группа", or "Team", "Town",
// "Captain", "Coach", "Group" and a few other forms, letter case aside) is
// the header, and columns it does not name are ignored. A team is the same
// as another when both its name and its town are, letter case aside (the
// registration's rule): against the game's teams and the rows before it.
ImportPlan PlanTeamImport(std::string_view fileBytes, const TVemoData& game);

// Adds the accepted teams after the game's own, each in the group of its
// name (letter case aside), created when the game has none.
void ApplyTeamImport(const ImportPlan& plan, TVemoData& game);

// Why a row is refused, for the preview (Windows-1251).
std::string RefusalText(const RefusedRow& refused);
