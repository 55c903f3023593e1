#include "ui/GameSelectors.h"

#include "ui/text/AnsiText.h"
#include "model/VemoData.h"

SelectorItems TourSelector(const TVemoData& game) {
    SelectorItems tours;
    tours.items.append(QStringLiteral("[Вся игра] ") + FromAnsi(game.GameName()));
    for (int i = 0; i < game.TourCount(); ++i) tours.items.append(FromAnsi(game.TourName(i)));
    tours.current = game.CurrentTour();
    tours.enabled = game.TourCount() > 1;
    return tours;
}

SelectorItems GroupSelector(const TVemoData& game) {
    SelectorItems groups;
    groups.items.append(QStringLiteral("[Общий зачет]"));
    for (int i = 0; i < game.GroupCount(); ++i) groups.items.append(FromAnsi(game.GroupByIndex(i)->Name));
    groups.current = game.CurrentGroup();
    groups.enabled = game.GroupCount() > 1;
    return groups;
}
