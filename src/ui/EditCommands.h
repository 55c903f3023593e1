// The changes of the marks: one answer toggled in the table, the current
// question for every team in view, and the undo and redo of every change of
// the game.
#pragma once

#include <QString>

#include <cstdint>

class TTeamData;
struct MainParts;

class EditCommands {
public:
    explicit EditCommands(MainParts& parts) : FParts(parts) {}

    // The table's double click: `team` is nullptr when no team is in the row.
    void ToggleAnswer(TTeamData* team, int question);
    void ActAllPlusExecute();
    void ActAllMinusExecute();
    void ActInverseExecute();
    void ActUndoExecute();
    void ActRedoExecute();

private:
    // Every team in view gets newMark(its mark) for the current question.
    void ApplyToCurrentQuestion(const QString& caption, uint8_t (*newMark)(uint8_t));

    MainParts& FParts;
};
