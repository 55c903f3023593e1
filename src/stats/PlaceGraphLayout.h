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
    double ColumnWidth;  // cw, whole pixels unless below one (CellSize)
    double RowHeight;    // rh, likewise
    int X0;             // x of question 1
    int Y0;             // y of place 1
    int Questions;      // Q
    int Places;         // n
    int QuestionStep;   // questions labelled: multiples of it
    int PlaceStep;      // places labelled: multiples of it
    int CaptionX;       // left of the vertical caption's characters
    int CaptionTop;     // top of its first character; each next one a "0" height lower

    int X(int question) const { return X0 + CellOffset(question - 1, ColumnWidth); }
    int Y(int place) const { return Y0 + CellOffset(place - 1, RowHeight); }
};

// The vertical caption, one character under the other.
struct VerticalCaption {
    int Length;        // characters
    int WidestLetter;  // pixels, in its bold font
};

// None when the view has no questions or no teams: the picture is only
// filled with the background. The caption stands 9 pixels plus the width
// of "000" left of the grid; further left when the widest place label and
// the caption's widest letter would otherwise touch (three-digit places).
std::optional<PlaceGraphLayout> LayOutPlaceGraph(int width, int height, const DigitExtents& font, int questions,
                                                 int teams, VerticalCaption caption);
