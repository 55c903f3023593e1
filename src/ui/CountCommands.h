// The count: its options and the count on demand.
#pragma once

struct MainParts;

class CountCommands {
public:
    explicit CountCommands(MainParts& parts) : FParts(parts) {}

    void ActAutoCountExecute();
    void ActHiRatingExecute();
    void ActSortByRatingExecute();
    void ActDeposEnableExecute();
    void ActCountExecute();
    // The rating type chosen in the options panel.
    void ChooseRatingClick();

private:
    MainParts& FParts;
};
