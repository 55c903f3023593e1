// A championship: the games added from their files, each counted as a
// championship counts it, and the table built from them. The championship
// window and `vemoctl champ` both drive it. The table is current whenever
// it is read; it is rebuilt on the first read after a change, so adding
// many games costs one build.
#pragma once

#include "champ/ChampSettings.h"
#include "champ/ChampTeamRec.h"
#include "model/VemoData.h"

#include <memory>
#include <string>
#include <vector>

class Championship {
public:
    enum class AddResult {
        Added,
        AlreadyLoaded,  // a game of the list was read from exactly this path
        NotFound,       // no such file
        NotAGame,       // the file is not a game file
    };

    // Reads the game file at `fileName` (as the file system spells it),
    // counts it with RatingPlusOne on and the other count parameters off,
    // whatever the main window uses, and appends it.
    // Anything but Added leaves the championship as it was. A file that
    // breaks off half-way throws the reader's error (EInOutError or
    // ERangeError); nothing is added then either.
    AddResult AddGame(const std::string& fileName);
    // Removes game `index` (from 0); false when there is none.
    bool DeleteGame(int index);
    // Empties the game list and the table (the window does this when shown and closed).
    void Clear();

    int GameCount() const { return static_cast<int>(FChampGames.size()); }
    // Game `index` (from 0), for the game list: GameName, GameDateText,
    // ActiveTeamCount, QuestionCount, FileName; none when there is no such game.
    const TVemoData* Game(int index) const;
    // The table in its order, with places.
    const std::vector<ChampTeamRec>& ChampTeams() const;

    const ChampSettings& Settings() const { return FSettings; }
    // Takes the mode, the place points and the obligatory games.
    void SetSettings(const ChampSettings& settings);

private:
    std::vector<std::unique_ptr<TVemoData>> FChampGames;
    ChampSettings FSettings;
    mutable std::vector<ChampTeamRec> FChampTeams;
    mutable bool FRowsStale = false;
};

// The error box text (Windows-1251) for a game that was not added, shown
// with the caption "Ошибка"; empty for Added.
std::string AddGameMessage(Championship::AddResult result);
