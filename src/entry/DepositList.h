// The deposits window's working list: one deposit per shown team, in the
// shown order, taken from the teams when the window opens and written back
// to them only when the user confirms.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TTeamData;
class TVemoData;

class DepositList {
public:
    // The game file keeps a deposit in 16 bits: a larger one would come back
    // from the file as another number.
    static constexpr int32_t kMaxDeposit = 65535;

    // The teams in view of `game` and their deposits as they are now.
    explicit DepositList(TVemoData& game);

    int Count() const { return static_cast<int>(FTeams.size()); }
    const TTeamData& Team(int row) const { return *FTeams[static_cast<std::size_t>(row)]; }
    int32_t Deposit(int row) const { return FDeposits[static_cast<std::size_t>(row)]; }

    // One point more or less for the team of `row`, within 0..kMaxDeposit;
    // false when nothing changed (no such row, or at the bound).
    bool Add(int row);
    bool Remove(int row);

    // Every shown team takes its working deposit.
    void WriteBack() const;

private:
    bool Valid(int row) const { return row >= 0 && row < Count(); }

    std::vector<TTeamData*> FTeams;
    std::vector<int32_t> FDeposits;
};

// A team as the deposits list names it: "Кот (Москва)".
std::string TeamWithTown(const TTeamData& team);
