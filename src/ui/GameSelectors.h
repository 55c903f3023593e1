// What the tour and group selectors of the options panel offer for a game:
// their items, the item in view and whether there is anything to choose.
#pragma once

#include <QStringList>

class TVemoData;

struct SelectorItems {
    QStringList items;
    int current = 0;
    bool enabled = false;
};

// "[Вся игра] " + the game's name, then every tour; enabled with two tours or more.
SelectorItems TourSelector(const TVemoData& game);
// "[Общий зачет]", then every group; enabled with two groups or more.
SelectorItems GroupSelector(const TVemoData& game);
