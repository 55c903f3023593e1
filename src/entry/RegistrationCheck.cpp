#include "entry/RegistrationCheck.h"

#include "entry/NameChecks.h"
#include "model/VemoData.h"

namespace {

RegistrationCheck Fault(RegistrationFault fault, int team = 0, int otherTeam = 0) {
    RegistrationCheck check;
    check.fault = fault;
    check.team = team;
    check.otherTeam = otherTeam;
    return check;
}

std::string Stripped(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void ApplyQuestionCount(TVemoData& copy, const RegistrationHeader& header) {
    if (copy.TourCount() == 0)
        copy.AddTour(header.questions, header.gameName);
    else if (copy.TourCount() == 1)
        copy.SetTourQuestCount(0, header.questions);
}

RegistrationFault StripAndCheck(TTeamData& team) {
    for (std::string* text : {&team.Name, &team.Town, &team.Captain, &team.Trainer}) *text = Stripped(*text);
    if (team.Name.empty()) return RegistrationFault::NoTeamName;
    if (team.Town.empty()) return RegistrationFault::NoTeamTown;
    return RegistrationFault::None;
}

RegistrationCheck CheckTeams(TVemoData& copy) {
    for (int number = 1; number <= copy.TeamCount(); ++number) {
        TTeamData* team = copy.TeamByNumber(number);
        if (!team) continue;
        if (const RegistrationFault fault = StripAndCheck(*team); fault != RegistrationFault::None)
            return Fault(fault, number);
    }
    if (const std::optional<NamePair> same = FirstSameTeams(copy))
        return Fault(RegistrationFault::SameNameAndTown, same->first, same->second);
    if (copy.GroupCount() > 0)
        for (int number = 1; number <= copy.TeamCount(); ++number) {
            const TTeamData* team = copy.TeamByNumber(number);
            if (team && !team->Group()) return Fault(RegistrationFault::NoGroup, number);
        }
    return {};
}

}  // namespace

RegistrationCheck CheckRegistration(TVemoData& copy, const RegistrationHeader& header) {
    if (header.questions <= 0) return Fault(RegistrationFault::NoQuestions);
    ApplyQuestionCount(copy, header);
    TGameDate date;
    switch (ParseGameDateText(header.dateText, date)) {
        case DateTextCheck::BadFormat: return Fault(RegistrationFault::DateFormat);
        case DateTextCheck::BadValue: return Fault(RegistrationFault::DateValue);
        case DateTextCheck::Valid: break;
    }
    RegistrationCheck check = CheckTeams(copy);
    check.date = date;
    return check;
}

std::optional<GridCell> FaultCell(const RegistrationCheck& check) {
    switch (check.fault) {
        case RegistrationFault::NoTeamName:
        case RegistrationFault::SameNameAndTown: return GridCell{kTeamNameColumn, check.team};
        case RegistrationFault::NoTeamTown: return GridCell{kTeamTownColumn, check.team};
        case RegistrationFault::NoGroup: return GridCell{kTeamGroupColumn, check.team};
        default: return std::nullopt;
    }
}

void CommitRegistration(TVemoData& copy, const RegistrationHeader& header, const TGameDate& date) {
    copy.SetGameName(header.gameName);
    copy.SetPresenter(header.presenter);
    copy.SetGameDate(date);
}
