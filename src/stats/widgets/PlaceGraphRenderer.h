// The place graph of the team statistics: the team's place after every
// question of the view on a grid of questions across and places down
// (place 1 at the top), with labels and captions. Without questions or
// teams only the background is drawn.
#pragma once

#include "stats/PlaceGraphLayout.h"

#include <vector>

class QPainter;

// The vertical caption "Место команды" measured in its bold font on the
// painter's device; leaves the painter in the labels' font.
VerticalCaption PlaceGraphCaption(QPainter& painter);

// `places`: the team's place after question 1, 2, ... of the view.
void RenderPlaceGraph(QPainter& painter, int width, int height, int teams, const std::vector<int>& places);
