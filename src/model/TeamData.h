// One registered team: its texts, its answer marks by absolute question
// index, and the results of the last count.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TVemoData;
struct TGroupData;

// A team's plain values: its texts, its number, its deposit and the
// results of the last count. TTeamData::CreateCopy takes them whole.
struct TTeamValues {
    std::string Name;
    std::string Town;
    std::string Captain;
    std::string Trainer;
    int32_t ScoreDeposit = 0;
    int32_t Number = 0;
    // Results of the last count.
    int32_t TotalTaken = 0;
    int32_t RatScore = 0;
    int32_t Score = 0;
    int32_t Place = 0;
    int32_t SortPos = 0;
};

class TTeamData : public TTeamValues {
public:
    explicit TTeamData(TVemoData* owner = nullptr) : FOwner(owner) {}

    // A copy owned by `owner`: marks sized to the owner's questions, the
    // group found (or added) in the owner's groups by name.
    static std::unique_ptr<TTeamData> CreateCopy(const TTeamData& source, TVemoData& owner);

    // Window-relative marks: the owner's first question of the current tour is 0.
    uint8_t Mark(int q) const;
    bool SetMark(int q, uint8_t value);
    // Marks by absolute question index.
    uint8_t RawMark(int q) const;
    bool SetRawMark(int q, uint8_t value);
    void SetMarkCount(int count) { FMarks.resize(static_cast<std::size_t>(count), 0); }
    int MarkCount() const { return static_cast<int>(FMarks.size()); }
    const std::vector<uint8_t>& RawMarks() const { return FMarks; }

    TVemoData* Owner() const { return FOwner; }
    TGroupData* Group() const { return FGroup; }
    void SetGroup(TGroupData* group) { FGroup = group; }

private:
    friend class TVemoData;
    std::vector<uint8_t> FMarks;
    TVemoData* FOwner;
    TGroupData* FGroup = nullptr;
};
