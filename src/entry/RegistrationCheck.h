// The checks of the registration's OK, in their order, on the dialog's
// working copy, and the header the copy takes when they pass. The first
// check that fails stops the rest; what the earlier steps changed in the
// copy (the question count, the stripped team texts) stays changed.
#pragma once

#include "entry/EntryRows.h"
#include "model/GameDate.h"

#include <string>
#include <string_view>

class TVemoData;

enum class RegistrationFault {
    None,
    NoQuestions,      // the question count is 0
    DateFormat,       // not "дд.мм.гг"
    DateValue,        // a month or day that does not exist
    NoTeamName,       // team `team` has no name
    NoTeamTown,       // team `team` has no town
    SameNameAndTown,  // teams `team` and `otherTeam`
    NoGroup,          // the game has groups and team `team` is in none
};

struct RegistrationCheck {
    RegistrationFault fault = RegistrationFault::None;
    int team = 0;
    int otherTeam = 0;
    TGameDate date;  // the typed date, once it has passed
};

// The header fields as the window holds them.
struct RegistrationHeader {
    int questions = 0;
    std::string gameName;
    std::string presenter;
    std::string dateText;
};

// 1. No questions: the check fails.
// 2. The question count goes into the copy: a first tour named after the
//    game, or the only tour resized; several tours keep their own counts.
// 3. The date's form, then its day and month.
// 4. Teams in number order: name, town, captain and coach lose their
//    leading and trailing blanks; a team without name or town fails.
// 5. Two teams with the same name and town (letter case aside).
// 6. With groups, a team in none.
RegistrationCheck CheckRegistration(TVemoData& copy, const RegistrationHeader& header);

// Where the window puts the user after a failed check: the cell whose editor
// opens, or none for the header faults (the field named by the fault).
std::optional<GridCell> FaultCell(const RegistrationCheck& check);

// The copy takes the header as typed (the name and the presenter are not
// stripped) and the checked date.
void CommitRegistration(TVemoData& copy, const RegistrationHeader& header, const TGameDate& date);
