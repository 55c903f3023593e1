#include "automation/AutomationTypes.h"

#include "model/TeamData.h"
#include "ui/text/AnsiText.h"

#include <QDBusMetaType>

TeamRec TeamRec::Of(const TTeamData* team) {
    if (!team) return {};
    return {FromAnsi(team->Name), FromAnsi(team->Captain), FromAnsi(team->Town), FromAnsi(team->Trainer),
            team->Number,        team->Place,              team->Score,          team->RatScore};
}

QDBusArgument& operator<<(QDBusArgument& argument, const TeamRec& team) {
    argument.beginStructure();
    argument << team.Name << team.Captain << team.Town << team.Trainer << team.Number << team.Place << team.Score
             << team.RatScore;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, TeamRec& team) {
    argument.beginStructure();
    argument >> team.Name >> team.Captain >> team.Town >> team.Trainer >> team.Number >> team.Place >> team.Score >>
        team.RatScore;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const CountParam& param) {
    argument.beginStructure();
    argument << param.HiRating << param.RatingPlusOne << param.SortByRating << param.DepositScore;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, CountParam& param) {
    argument.beginStructure();
    argument >> param.HiRating >> param.RatingPlusOne >> param.SortByRating >> param.DepositScore;
    argument.endStructure();
    return argument;
}

void RegisterAutomationTypes() {
    qDBusRegisterMetaType<TeamRec>();
    qDBusRegisterMetaType<CountParam>();
}
