#include "output/PagePagination.h"

#include <algorithm>

namespace {

// (count - 1) / size + 1 with the division truncating toward zero, so that
// nothing at all still makes one page.
int Blocks(int count, int size) { return (count - 1) / size + 1; }

IndexRange Block(int total, int size, int index) {
    const int first = size * index;
    return {first, std::clamp(total - first, 0, size)};
}

}  // namespace

PageCapacity CapacityOf(PageOrientation orientation) {
    if (orientation == PageOrientation::Portrait) return {47, 18, 9, 4};
    return {30, 30, 14, 6};
}

int PageCount(const ReportData& data, PageOrientation orientation) {
    switch (data.type) {
        case InfoType::TourResults: return TablePageCount(data.TeamCount(), orientation);
        case InfoType::FinalTable: return FinalTablePageCount(data.TeamCount(), data.QuestionCount(), orientation);
        case InfoType::TakenQuestions: return static_cast<int>(SplitTakenQuestions(data, orientation).size());
        case InfoType::QuestionRatings: return RatingPageCount(data.QuestionCount(), orientation);
        case InfoType::Championship: break;
    }
    return TablePageCount(data.ChampRowCount(), orientation);
}

int TablePageCount(int rows, PageOrientation orientation) { return Blocks(rows, CapacityOf(orientation).rows); }

IndexRange TablePageRows(int rows, int page, PageOrientation orientation) {
    return Block(rows, CapacityOf(orientation).rows, page - 1);
}

int FinalTablePageCount(int teams, int questions, PageOrientation orientation) {
    const PageCapacity capacity = CapacityOf(orientation);
    return Blocks(teams, capacity.rows) * Blocks(questions, capacity.questions);
}

FinalTablePage FinalTablePageContent(int teams, int questions, int page, PageOrientation orientation) {
    const PageCapacity capacity = CapacityOf(orientation);
    const int questionBlocks = Blocks(questions, capacity.questions);
    return {Block(teams, capacity.rows, (page - 1) / questionBlocks),
            Block(questions, capacity.questions, (page - 1) % questionBlocks)};
}

double SqueezeFactor(PageOrientation orientation) { return 1.0 - 0.01 * CapacityOf(orientation).questions; }

int TakenLines(int taken, int entriesPerLine) { return taken > 0 ? (taken - 1) / entriesPerLine + 1 : 1; }

std::vector<TakenPage> SplitTakenQuestions(const std::vector<int>& takenCounts, PageOrientation orientation) {
    const PageCapacity capacity = CapacityOf(orientation);
    std::vector<TakenPage> pages;
    TakenPage page;
    int used = 0;
    auto closePage = [&] {
        pages.push_back(std::move(page));
        page.clear();
        used = 0;
    };
    for (int team = 0; team < static_cast<int>(takenCounts.size()); ++team) {
        int firstLine = 0;
        int lines = TakenLines(takenCounts[static_cast<std::size_t>(team)], capacity.entriesPerLine);
        if (used + lines > capacity.rows && used > 0) closePage();
        while (lines > capacity.rows) {
            pages.push_back({{team, firstLine, capacity.rows}});
            firstLine += capacity.rows;
            lines -= capacity.rows;
        }
        page.push_back({team, firstLine, lines});
        used += lines;
        if (used == capacity.rows) closePage();
    }
    if (!page.empty()) closePage();
    return pages;
}

std::vector<std::string> TakenEntryLines(const ReportData& data, const ReportTeam& team,
                                         PageOrientation orientation) {
    const std::vector<std::string> entries = TakenEntries(data, team);
    if (entries.empty()) return {"-"};
    const std::size_t perLine = static_cast<std::size_t>(CapacityOf(orientation).entriesPerLine);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i % perLine == 0) lines.emplace_back();
        lines.back() += entries[i] + (i + 1 < entries.size() ? ", " : "");
    }
    return lines;
}

std::vector<TakenPage> SplitTakenQuestions(const ReportData& data, PageOrientation orientation) {
    std::vector<int> taken;
    for (const ReportTeam& team : data.teams) taken.push_back(team.takenCount);
    return SplitTakenQuestions(taken, orientation);
}

int RatingPageCount(int questions, PageOrientation orientation) {
    const PageCapacity capacity = CapacityOf(orientation);
    return Blocks(questions, capacity.rows * capacity.ratingGroups);
}

std::vector<RatingGroup> RatingPageGroups(int questions, int page, PageOrientation orientation) {
    const PageCapacity capacity = CapacityOf(orientation);
    std::vector<RatingGroup> groups;
    for (int g = 1; g <= capacity.ratingGroups; ++g) {
        const IndexRange range = Block(questions, capacity.rows, capacity.ratingGroups * (page - 1) + g - 1);
        if (range.count > 0) groups.push_back({g, range});
    }
    return groups;
}
