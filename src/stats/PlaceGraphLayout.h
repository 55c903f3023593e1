// Where the place graph of TStatTeamForm goes on its W x H picture: one
// column per question of the view, one row per place (place 1 at the top),
// centred, each cell at most 30 pixels; which questions and places get
// labels; and the vertical caption "Место команды" left of the grid. The
// renderer draws what this says with the pictures' font ("MS Sans Serif",
// 8 points).
#pragma once

#include "stats/GraphArithmetic.h"

#include <optional>

struct PlaceGraphLayout {
    int ColumnWidth;    // cw
    int RowHeight;      // rh
    int X0;             // x of question 1
    int Y0;             // y of place 1
    int Questions;      // Q
    int Places;         // n
    int QuestionStep;   // questions labelled: multiples of it
    int PlaceStep;      // places labelled: multiples of it
    int CaptionX;       // left of the vertical caption's characters
    int CaptionTop;     // top of its first character; each next one a "0" height lower

    int X(int question) const { return X0 + (question - 1) * ColumnWidth; }
    int Y(int place) const { return Y0 + (place - 1) * RowHeight; }
};

// None when the view has no questions or no teams: the picture is only
// filled with the background.
std::optional<PlaceGraphLayout> LayOutPlaceGraph(int width, int height, const DigitExtents& font, int questions,
                                                 int teams, int captionLength);
