#include "output/PublishStandings.h"

#include "base/TransCodes.h"

#include <algorithm>

namespace {

std::string PlaceRange(int place, int sharedBy) {
    if (place < 1) return {};
    if (sharedBy < 2) return std::to_string(place);
    return std::to_string(place) + "-" + std::to_string(place + sharedBy - 1);
}

std::string MarkString(const ReportTeam& team, int counted) {
    std::string marks(static_cast<std::size_t>(counted), '0');
    for (int q = 0; q < counted; ++q)
        if (team.Sign(q) == '+') marks[static_cast<std::size_t>(q)] = '1';
    return marks;
}

std::vector<int> TourScores(const std::vector<ReportTour>& tours, const std::string& marks) {
    std::vector<int> scores;
    std::size_t start = 0;
    for (const ReportTour& tour : tours) {
        const std::size_t end = std::min(marks.size(), start + static_cast<std::size_t>(tour.questions));
        const std::size_t from = std::min(start, end);
        scores.push_back(static_cast<int>(std::count(marks.begin() + from, marks.begin() + end, '1')));
        start += static_cast<std::size_t>(tour.questions);
    }
    return scores;
}

PublishRow Row(const ReportData& data, const ReportTeam& team) {
    PublishRow row;
    row.number = team.number;
    row.place = team.place > 0 ? team.place : 0;
    row.name = team.name;
    row.town = team.town;
    row.score = team.score;
    row.ratScore = team.ratScore;
    row.marks = MarkString(team, std::clamp(data.lastQuestion, 0, data.QuestionCount()));
    row.tourScores = TourScores(data.tours, row.marks);
    return row;
}

}  // namespace

std::vector<PublishRow> PublishRows(const ReportData& data) {
    std::vector<PublishRow> rows;
    rows.reserve(data.countedOrder.size());
    for (int position = 0; position < static_cast<int>(data.countedOrder.size()); ++position)
        rows.push_back(Row(data, data.TeamAt(position)));
    // Teams that share a place stand together in the counted order.
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t end = first + 1;
        while (end < rows.size() && rows[end].place == rows[first].place) ++end;
        const std::string range = PlaceRange(rows[first].place, static_cast<int>(end - first));
        for (std::size_t k = first; k < end; ++k) rows[k].placeRange = range;
        first = end;
    }
    return rows;
}

std::string TourHeading(const ReportData& data, int t) {
    const std::string& name = data.tours[static_cast<std::size_t>(t)].name;
    if (name.find_first_not_of(' ') != std::string::npos) return name;
    return TransCodes::Utf8ToAnsi("Тур ") + std::to_string(t + 1);
}
