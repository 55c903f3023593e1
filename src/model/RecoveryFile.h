// The recovery file: the open game's game file followed by what a game file
// does not hold (the path of the user's file, whether the game had unsaved
// changes, the last counted question), so that a game lost with a crashed
// program comes back as the scorer left it. The game file reader ignores
// what follows the game, so the recovery file also opens as a game.
#pragma once

#include <string>
#include <string_view>

class TVemoData;

struct RecoveryInfo {
    std::string userFile;  // as the file system spells it; empty for a game never saved
    bool modified = true;
    int lastQuestion = 0;
};

std::string RecoveryFileBytes(const TVemoData& game, const RecoveryInfo& info);

// Loads the game of a recovery file into `game` (a new game) and answers
// the rest; EInOutError when the bytes are no complete recovery file.
RecoveryInfo ReadRecoveryFile(std::string_view bytes, TVemoData& game);
