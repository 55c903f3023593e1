// What one edit changed in a game whose teams, groups and questions stayed
// where they were: the marks, the teams' own values and the game's values,
// each before and after, and the tour and group the edit was made in, which
// come back into view with an undo or a redo. The undo history keeps these instead of copies of
// the whole game, so a toggled mark costs a few bytes however large the
// game. The results of a count are not part of it: they follow the marks
// with the next count.
#pragma once

#include "model/VemoData.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class GameDelta {
public:
    // The change from `before` (with the values `valuesBefore`) to `after`;
    // none when the two differ in their teams, groups or questions, which a
    // delta by position cannot express.
    static std::optional<GameDelta> Between(const TVemoData& before, const TGameValues& valuesBefore,
                                            const TVemoData& after);

    bool Empty() const { return FMarks.empty() && FTeams.empty() && !FValues; }
    // Puts the side before (Undo) or after (Redo) the change into `game`,
    // which must have the teams, groups and questions the delta was taken on.
    void Undo(TVemoData& game) const { Apply(game, Side::Before); }
    void Redo(TVemoData& game) const { Apply(game, Side::After); }
    // What the delta holds in memory, roughly.
    std::size_t Bytes() const;

private:
    enum class Side { Before, After };
    struct MarkChange {
        int team;
        int question;  // absolute
        uint8_t before;
        uint8_t after;
    };
    struct TeamChange {
        int team;
        TTeamValues before;
        TTeamValues after;
    };
    struct ValuesChange {
        TGameValues before;
        TGameValues after;
    };
    struct View {
        int tour;
        int group;
        int lastQuestion;
    };

    void AddTeam(int index, const TTeamData& before, const TTeamData& after);
    void Apply(TVemoData& game, Side side) const;

    std::vector<MarkChange> FMarks;
    std::vector<TeamChange> FTeams;
    std::unique_ptr<ValuesChange> FValues;  // rare, so kept apart
    View FViewBefore{};
    View FViewAfter{};
};

// What a whole game holds in memory, roughly: the measure the undo history
// is bounded by.
std::size_t HeldBytes(const TVemoData& game);
