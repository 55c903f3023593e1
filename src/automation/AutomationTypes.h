// The two records of the automation interface as D-Bus structures: a team
// as the team queries return it, "(ssssiiii)", and the four count
// parameters, "(bbbb)". The field order is the interface's.
#pragma once

#include <QDBusArgument>
#include <QMetaType>
#include <QString>

class TTeamData;

struct TeamRec {
    QString Name;
    QString Captain;
    QString Town;
    QString Trainer;
    int Number = 0;
    int Place = 0;
    int Score = 0;
    int RatScore = 0;

    // The team's texts and the results of its last count; an empty record
    // (empty texts, zeros) for no team.
    static TeamRec Of(const TTeamData* team);
};

struct CountParam {
    bool HiRating = false;
    bool RatingPlusOne = false;
    bool SortByRating = false;
    bool DepositScore = false;
};

QDBusArgument& operator<<(QDBusArgument& argument, const TeamRec& team);
const QDBusArgument& operator>>(const QDBusArgument& argument, TeamRec& team);
QDBusArgument& operator<<(QDBusArgument& argument, const CountParam& param);
const QDBusArgument& operator>>(const QDBusArgument& argument, CountParam& param);

Q_DECLARE_METATYPE(TeamRec)
Q_DECLARE_METATYPE(CountParam)

// Makes both records known to Qt's D-Bus marshalling; before the first call.
void RegisterAutomationTypes();
