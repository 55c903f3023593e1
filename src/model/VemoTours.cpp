// Tour operations: the questions of a game are consecutive tours, and every
// team's marks move with the questions when tours are resized, removed or
// exchanged.
#include "model/VemoData.h"

#include "base/Errors.h"

#include <algorithm>
#include <numeric>

namespace {

using Marks = std::vector<uint8_t>;
using Offset = Marks::difference_type;

}  // namespace

std::string TVemoData::TourName(int i) const {
    if (i < 0 || i >= TourCount()) return {};
    return FTourNames[static_cast<std::size_t>(i)];
}

void TVemoData::SetTourName(int i, std::string name) {
    if (i < 0 || i >= TourCount()) return;
    FTourNames[static_cast<std::size_t>(i)] = std::move(name);
}

int TVemoData::TourQuestCount(int i) const {
    if (i < 0 || i >= TourCount()) return 0;
    return FTourQuestCounts[static_cast<std::size_t>(i)];
}

int TVemoData::TourStartOf(int i) const {
    return std::accumulate(FTourQuestCounts.begin(), FTourQuestCounts.begin() + i, 0);
}

void TVemoData::AfterTourChange() {
    UpdateTourStart();
    CountRatings();
}

void TVemoData::UpdateTourStart() {
    FTourStart = 0;
    if (FTourNames.empty()) {
        FCurrentTour = 0;
        return;
    }
    if (FCurrentTour > TourCount()) FCurrentTour = static_cast<uint16_t>(TourCount());
    if (FCurrentTour > 0) FTourStart = static_cast<uint16_t>(TourStartOf(FCurrentTour - 1));
}

bool TVemoData::AddTour(int count, std::string name) {
    if (count <= 0) return false;
    const int total = std::accumulate(FTourQuestCounts.begin(), FTourQuestCounts.end(), 0) + count;
    if (total > kMaxCount || TourCount() >= kMaxCount) throw ERangeError();
    FTourNames.push_back(std::move(name));
    FTourQuestCounts.push_back(static_cast<uint16_t>(count));
    FQuestionCount = static_cast<uint16_t>(total);
    for (const auto& team : FTeams) team->SetMarkCount(FQuestionCount);
    AfterTourChange();
    return true;
}

bool TVemoData::SetTourQuestCount(int i, int count) {
    if (count <= 0 || i < 0 || i >= TourCount()) return false;
    const int old = TourQuestCount(i);
    if (count == old) return true;
    if (FQuestionCount + count - old > kMaxCount) throw ERangeError();
    const Offset start = TourStartOf(i);
    FTourQuestCounts[static_cast<std::size_t>(i)] = static_cast<uint16_t>(count);
    FQuestionCount = static_cast<uint16_t>(FQuestionCount + count - old);
    for (const auto& team : FTeams) {
        Marks& m = team->FMarks;
        if (count > old) {
            m.resize(FQuestionCount, 0);
            // Questions after the tour move towards the end; the new ones are empty.
            std::move_backward(m.begin() + start + old, m.end() - (count - old), m.end());
            std::fill(m.begin() + start + old, m.begin() + start + count, 0);
        } else {
            std::move(m.begin() + start + old, m.end(), m.begin() + start + count);
            m.resize(FQuestionCount);
        }
    }
    AfterTourChange();
    return true;
}

bool TVemoData::SplitTour(int i, int count) {
    if (i < 0 || i >= TourCount() || count < 0 || count >= TourQuestCount(i)) return false;
    if (TourCount() >= kMaxCount) throw ERangeError();
    const auto at = static_cast<std::size_t>(i);
    const int rest = FTourQuestCounts[at] - count;
    FTourNames.insert(FTourNames.begin() + i + 1, FTourNames[at] + " (2)");
    FTourQuestCounts.insert(FTourQuestCounts.begin() + i + 1, static_cast<uint16_t>(rest));
    FTourQuestCounts[at] = static_cast<uint16_t>(count);
    AfterTourChange();
    return true;
}

bool TVemoData::UniteTours(int i, int count) {
    if (count < 2 || i < 0 || i + count - 1 >= TourCount()) return false;
    const auto first = FTourQuestCounts.begin() + i;
    FTourQuestCounts[static_cast<std::size_t>(i)] =
        static_cast<uint16_t>(std::accumulate(first, first + count, 0));
    FTourQuestCounts.erase(first + 1, first + count);
    FTourNames.erase(FTourNames.begin() + i + 1, FTourNames.begin() + i + count);
    AfterTourChange();
    return true;
}

bool TVemoData::DeleteTour(int i) {
    if (i < 0 || i >= TourCount()) return false;
    const Offset start = TourStartOf(i);
    const Offset count = TourQuestCount(i);
    FTourNames.erase(FTourNames.begin() + i);
    FTourQuestCounts.erase(FTourQuestCounts.begin() + i);
    for (const auto& team : FTeams) {
        Marks& m = team->FMarks;
        m.erase(m.begin() + start, m.begin() + start + count);
    }
    FQuestionCount = static_cast<uint16_t>(FQuestionCount - count);
    AfterTourChange();
    return true;
}

bool TVemoData::ExchangeTours(int i, int j) {
    if (i < 0 || j < 0 || i >= TourCount() || j >= TourCount()) return false;
    if (i == j) return true;
    if (i > j) std::swap(i, j);
    const Offset startA = TourStartOf(i);
    const Offset sizeA = TourQuestCount(i);
    const Offset startB = TourStartOf(j);
    const Offset endB = startB + TourQuestCount(j);
    const Offset sizeB = endB - startB;
    for (const auto& team : FTeams) {
        Marks& m = team->FMarks;
        // A M B -> B A M -> B M A
        std::rotate(m.begin() + startA, m.begin() + startB, m.begin() + endB);
        std::rotate(m.begin() + startA + sizeB, m.begin() + startA + sizeB + sizeA,
                    m.begin() + endB);
    }
    std::swap(FTourQuestCounts[static_cast<std::size_t>(i)], FTourQuestCounts[static_cast<std::size_t>(j)]);
    std::swap(FTourNames[static_cast<std::size_t>(i)], FTourNames[static_cast<std::size_t>(j)]);
    AfterTourChange();
    return true;
}

bool TVemoData::SetCurrentTour(int tour) {
    if (tour < 0 || tour > TourCount()) return false;
    FCurrentTour = static_cast<uint16_t>(tour);
    UpdateTourStart();
    FLastQuestion = static_cast<uint16_t>(tour == 0 ? FQuestionCount : TourQuestCount(tour - 1));
    CountRatings();
    return true;
}
