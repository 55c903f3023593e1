// Joining another game to the open one: a game played in several halls with
// the same questions is entered hall by hall, and the halls' teams, with
// all their answers, are then joined into one table.
#pragma once

class TVemoData;

enum class MergeRefusal {
    None,
    QuestionCount,  // the games have different numbers of questions
    Tours,          // the same number, split into tours differently
    SameTeams,      // a team of the same name and town is in both games
};

// The first reason, in the order above, why `other` cannot be joined to
// `open`. Names and towns are compared without regard to letter case; the
// open game's teams are those in view (the scorer's chosen group), the other
// game's are all of its teams, since all of them would be joined.
MergeRefusal CheckMerge(const TVemoData& open, const TVemoData& other);

// Joins every team of `other`, in its order, to `open` with all its marks,
// numbered after the open game's highest number; a team joins the open
// game's group of its group's name (made when missing). Different game names
// and presenters become "A / B". Places are not counted. Call only after
// CheckMerge answered None; throws before any change when the teams would
// pass the limit of teams.
void MergeGame(TVemoData& open, const TVemoData& other);
