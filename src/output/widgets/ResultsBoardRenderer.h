// The results board drawn on any painter: the top band (date, title on its
// blue stripe, the question the standings hold after) and the table of up
// to ten rows from the first shown row on. The window draws them into its
// two pictures; tests and benchmarks into images.
#pragma once

#include "output/ResultsBoardRows.h"

#include <vector>

class QPainter;

void RenderBoardBand(QPainter& painter, int width, int height, const BoardHeading& heading);
void RenderBoardTable(QPainter& painter, int width, int height, const std::vector<BoardRow>& rows, int firstRow);
