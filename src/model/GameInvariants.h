// The rules every operation of the model keeps, checked on a game as it
// stands: what a test or a program driven from outside asks after a long
// run of operations.
#pragma once

#include <string>

class TVemoData;

// The first rule the game breaks, in words; empty when it keeps them all:
// team numbers 1..N without gaps, every team's marks sized to the question
// count, the tours summing to the question count, the current tour, its
// first question and the last question inside the game, every team's group
// one of the game's, the current group inside the groups and the teams in
// view exactly its members.
std::string BrokenInvariant(const TVemoData& game);
