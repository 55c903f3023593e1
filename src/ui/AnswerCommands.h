// The commands that bring results in fast: quick entry by numbers, the
// deposits, and joining the game of another hall to the open one.
#pragma once

struct MainParts;

class AnswerCommands {
public:
    explicit AnswerCommands(MainParts& parts) : FParts(parts) {}

    // Starts at the question of the visible grid's current column.
    void ActDigEnterExecute();
    void ActDepositExecute();
    void ActMixExecute();

private:
    MainParts& FParts;
};
