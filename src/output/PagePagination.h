// How the printed report of each information type is cut into pages:
// rows, question blocks, the taken-questions split and the rating groups.
// Pages are numbered from 1; positions and questions are 0-based.
#pragma once

#include "output/ReportData.h"

#include <string>
#include <vector>

enum class PageOrientation { Portrait, Landscape };

// What one page holds in each orientation.
struct PageCapacity {
    int rows;            // table rows of types 0, 1 and 4; lines of type 2; rows of a type 3 group
    int questions;       // question columns of type 1
    int entriesPerLine;  // taken questions on one line of type 2
    int ratingGroups;    // column groups of type 3
};
PageCapacity CapacityOf(PageOrientation orientation);

struct IndexRange {
    int first = 0;
    int count = 0;
    bool operator==(const IndexRange&) const = default;
};

int PageCount(const ReportData& data, PageOrientation orientation);

// Types 0 and 4: the table positions on `page` out of `rows`.
int TablePageCount(int rows, PageOrientation orientation);
IndexRange TablePageRows(int rows, int page, PageOrientation orientation);

// Type 1: pages run through the question blocks first, then the team blocks.
struct FinalTablePage {
    IndexRange teams;
    IndexRange questions;
};
int FinalTablePageCount(int teams, int questions, PageOrientation orientation);
FinalTablePage FinalTablePageContent(int teams, int questions, int page, PageOrientation orientation);
// The team columns of type 1 are narrowed to leave room for the questions.
double SqueezeFactor(PageOrientation orientation);

// Type 2: the lines a team with `taken` questions needs (one for none).
int TakenLines(int taken, int entriesPerLine);
// Some lines of one team on one page: its lines firstLine .. firstLine +
// lineCount - 1, counted from 0.
struct TakenSlice {
    int team = 0;
    int firstLine = 0;
    int lineCount = 0;
    bool operator==(const TakenSlice&) const = default;
};
using TakenPage = std::vector<TakenSlice>;
// Whole teams go to a page while it has lines left; a team that would run
// past the page's last line starts the next page. A team that needs more
// lines than a page holds fills pages of its own, its list running on from
// page to page, and the teams after it follow as usual.
std::vector<TakenPage> SplitTakenQuestions(const std::vector<int>& takenCounts, PageOrientation orientation);
// The split of the teams of `data`.
std::vector<TakenPage> SplitTakenQuestions(const ReportData& data, PageOrientation orientation);

// Type 2: the lines of a team's entries "q(r)", so many to a line, each
// followed by ", " but the team's last; "-" when it took nothing.
std::vector<std::string> TakenEntryLines(const ReportData& data, const ReportTeam& team,
                                         PageOrientation orientation);

// Type 3: the groups of `page` that hold questions, numbered from 1.
struct RatingGroup {
    int group = 0;
    IndexRange questions;
    bool operator==(const RatingGroup&) const = default;
};
int RatingPageCount(int questions, PageOrientation orientation);
std::vector<RatingGroup> RatingPageGroups(int questions, int page, PageOrientation orientation);
