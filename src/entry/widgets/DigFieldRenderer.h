// Draws the quick entry window's number field on any painter: the numbers
// of the page, row by row, each centred in its cell, green when taken and
// red when not, on the button face, in the largest Arial that fits a cell.
#pragma once

#include "entry/QuickEntry.h"

#include <string_view>
#include <vector>

class QPainter;
class QRect;

// Team numbers are sized on the sample "OO", question numbers on "OOO";
// numbers of more digits widen the sample to their length.
inline constexpr std::string_view kTeamSample = "OO";
inline constexpr std::string_view kQuestionSample = "OOO";

// Only the cells that meet `area` are drawn, the rest of the surface is left
// as it is: an Enter changes one number of a hall of thousands.
void DrawDigField(QPainter& painter, int width, int height, const std::vector<DigCell>& cells,
                  std::string_view widthSample, const QRect& area);
