#include "entry/DepositList.h"

#include "model/VemoData.h"

DepositList::DepositList(TVemoData& game) {
    const int count = game.ActiveTeamCount();
    FTeams.reserve(static_cast<std::size_t>(count));
    FDeposits.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        FTeams.push_back(game.ActiveTeam(i));
        FDeposits.push_back(FTeams.back()->ScoreDeposit);
    }
}

bool DepositList::Add(int row) {
    if (!Valid(row) || Deposit(row) >= kMaxDeposit) return false;
    ++FDeposits[static_cast<std::size_t>(row)];
    return true;
}

bool DepositList::Remove(int row) {
    if (!Valid(row) || Deposit(row) < 1) return false;
    --FDeposits[static_cast<std::size_t>(row)];
    return true;
}

void DepositList::WriteBack() const {
    for (std::size_t i = 0; i < FTeams.size(); ++i) FTeams[i]->ScoreDeposit = FDeposits[i];
}

std::string TeamWithTown(const TTeamData& team) { return team.Name + " (" + team.Town + ")"; }
