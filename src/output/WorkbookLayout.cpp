#include "output/WorkbookLayout.h"

#include "base/TransCodes.h"
#include "output/OutputCredits.h"

#include <algorithm>

namespace {

constexpr int kBlockTop = 4;  // row 5, where the header of every type starts
constexpr double kMaxWidth = 255.0;
constexpr double kRatingColumnWidth = 20.0;

std::string Ansi(const char* utf8) { return TransCodes::Utf8ToAnsi(utf8); }

const CellFormat kHeadingFormat{true, HorizontalAlign::Center, VerticalAlign::Bottom, false, false};
const CellFormat kTitleFormat{true, HorizontalAlign::Center, VerticalAlign::Center, true, false};
const CellFormat kBlockFormat{false, HorizontalAlign::Left, VerticalAlign::Bottom, false, true};

struct TypeTexts {
    const char* heading;
    const char* sheetName;
};

TypeTexts TextsOf(InfoType type) {
    switch (type) {
        case InfoType::TourResults: return {"Результаты тура:", "Результаты тура"};
        case InfoType::FinalTable: return {"Итоговая таблица тура:", "Итоговая таблица"};
        case InfoType::TakenQuestions: return {"Список засчитанных вопросов:", "Засчитанные вопросы"};
        case InfoType::QuestionRatings: return {"Рейтинг вопросов тура:", "Рейтинг вопросов"};
        case InfoType::Championship: break;
    }
    return {"Результаты чемпионата:", "Результаты чемпионата"};
}

void SetRow(WorkbookLayout& layout, int row, const std::vector<std::string>& texts) {
    for (std::size_t c = 0; c < texts.size(); ++c) layout.SetText(row, static_cast<int>(c), texts[c]);
}

// The header and data rows from row 5; returns the block's last row.
int FillTourResults(const ReportData& data, WorkbookLayout& layout) {
    SetRow(layout, kBlockTop, {Ansi("Место"), Ansi("Команда"), Ansi("Город"), Ansi("Капитан"), Ansi("Очки"),
                               Ansi("Рейтинг")});
    int row = kBlockTop;
    for (int position = 0; position < data.TeamCount(); ++position) {
        const ReportTeam& team = data.TeamAt(position);
        SetRow(layout, ++row, {std::to_string(team.place), team.name, team.town, team.captain,
                               std::to_string(team.score), std::to_string(team.ratScore)});
    }
    return row;
}

int FillFinalTable(const ReportData& data, WorkbookLayout& layout) {
    constexpr int kFirstQuestionColumn = 6;
    SetRow(layout, kBlockTop + 1, {"#", Ansi("Команда"), Ansi("Город"), Ansi("М"), Ansi("Очки"), Ansi("Рейт.")});
    layout.SetText(kBlockTop, kFirstQuestionColumn - 1, Ansi("Вопр."));
    for (int q = 0; q < data.QuestionCount(); ++q) {
        layout.SetText(kBlockTop, kFirstQuestionColumn + q, std::to_string(q + 1));
        layout.SetText(kBlockTop + 1, kFirstQuestionColumn + q, std::to_string(data.Rating(q)));
    }
    int row = kBlockTop + 1;
    for (const ReportTeam& team : data.teams) {
        SetRow(layout, ++row, {std::to_string(team.number), team.name, team.town, std::to_string(team.place),
                               std::to_string(team.score), std::to_string(team.ratScore)});
        for (int q = 0; q < data.QuestionCount(); ++q)
            layout.SetText(row, kFirstQuestionColumn + q, std::string(1, team.Sign(q)));
    }
    return row;
}

int FillTakenQuestions(const ReportData& data, WorkbookLayout& layout) {
    SetRow(layout, kBlockTop, {"#", Ansi("Команда"), Ansi("Город"), Ansi("Вопросы")});
    int row = kBlockTop;
    for (const ReportTeam& team : data.teams) {
        std::string entries;
        for (const std::string& entry : TakenEntries(data, team)) entries += (entries.empty() ? "" : ", ") + entry;
        SetRow(layout, ++row, {std::to_string(team.number), team.name, team.town, entries});
    }
    return row;
}

int FillQuestionRatings(const ReportData& data, WorkbookLayout& layout) {
    SetRow(layout, kBlockTop, {Ansi("Вопрос"), Ansi("Рейтинг")});
    int row = kBlockTop;
    for (int q = 0; q < data.QuestionCount(); ++q)
        SetRow(layout, ++row, {std::to_string(q + 1), std::to_string(data.Rating(q))});
    return row;
}

int FillChampionship(const ReportData& data, WorkbookLayout& layout) {
    const bool byScore = data.champSettings.CountByScore;
    SetRow(layout, kBlockTop, {Ansi("Место"), Ansi("Команда"), Ansi("Город"), Ansi("Игры"),
                               Ansi(byScore ? "О / Рейт." : "Очки")});
    int row = kBlockTop;
    for (const ChampTeamRec& team : data.champTeams)
        SetRow(layout, ++row, {std::to_string(team.Place), team.Name, team.Town, std::to_string(team.Games),
                               ChampResultText(team, byScore, " / ")});
    return row;
}

int LastColumnOf(const ReportData& data) {
    switch (data.type) {
        case InfoType::TourResults: return 5;
        case InfoType::FinalTable: return data.QuestionCount() + 5;
        case InfoType::TakenQuestions: return 3;
        case InfoType::QuestionRatings: return 1;
        case InfoType::Championship: break;
    }
    return 4;
}

int FillBlock(const ReportData& data, WorkbookLayout& layout) {
    switch (data.type) {
        case InfoType::TourResults: return FillTourResults(data, layout);
        case InfoType::FinalTable: return FillFinalTable(data, layout);
        case InfoType::TakenQuestions: return FillTakenQuestions(data, layout);
        case InfoType::QuestionRatings: return FillQuestionRatings(data, layout);
        case InfoType::Championship: break;
    }
    return FillChampionship(data, layout);
}

void AddMerged(WorkbookLayout& layout, int row, int lastRow, int lastColumn, std::string text,
               const CellFormat& format) {
    layout.SetText(row, 0, std::move(text));
    layout.ranges.push_back({{row, 0, lastRow, lastColumn}, format, true});
}

// Autofit leaves merged cells out, as the spreadsheet's own does.
std::vector<double> FittedWidths(const WorkbookLayout& layout, int firstRow, int lastRow, int lastColumn) {
    std::vector<std::size_t> longest(static_cast<std::size_t>(lastColumn + 1), 0);
    for (int r = firstRow; r <= lastRow && r < static_cast<int>(layout.rows.size()); ++r) {
        const auto& cells = layout.rows[static_cast<std::size_t>(r)];
        for (std::size_t c = 0; c < cells.size() && c < longest.size(); ++c)
            longest[c] = std::max(longest[c], cells[c].size());
    }
    std::vector<double> widths;
    for (std::size_t characters : longest) widths.push_back(AutoFitWidth(characters));
    return widths;
}

}  // namespace

const std::string& WorkbookLayout::Text(int row, int column) const {
    static const std::string empty;
    if (row < 0 || row >= static_cast<int>(rows.size())) return empty;
    const auto& cells = rows[static_cast<std::size_t>(row)];
    return column >= 0 && column < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(column)] : empty;
}

void WorkbookLayout::SetText(int row, int column, std::string text) {
    if (static_cast<int>(rows.size()) <= row) rows.resize(static_cast<std::size_t>(row + 1));
    auto& cells = rows[static_cast<std::size_t>(row)];
    if (static_cast<int>(cells.size()) <= column) cells.resize(static_cast<std::size_t>(column + 1));
    cells[static_cast<std::size_t>(column)] = std::move(text);
}

WorkbookLayout BuildWorkbookLayout(const ReportData& data) {
    WorkbookLayout layout;
    const TypeTexts texts = TextsOf(data.type);
    layout.sheetName = Ansi(texts.sheetName);
    const int last = LastColumnOf(data);
    AddMerged(layout, 0, 0, last, Ansi(texts.heading), kHeadingFormat);
    const bool dated = data.type != InfoType::Championship;
    AddMerged(layout, 1, 2, last, dated ? data.title + " (" + data.dateText + ")" : data.title, kTitleFormat);

    const int blockEnd = FillBlock(data, layout);
    layout.ranges.push_back({{kBlockTop, 0, blockEnd, last}, kBlockFormat, false});
    for (int i = 0; i < 2; ++i)
        AddMerged(layout, blockEnd + 2 + i, blockEnd + 2 + i, last, OutputCredits::WorkbookLine(i), kHeadingFormat);

    if (data.type == InfoType::QuestionRatings)
        layout.columnWidths.assign(static_cast<std::size_t>(last + 1), kRatingColumnWidth);
    else
        layout.columnWidths = FittedWidths(layout, kBlockTop, blockEnd, last);
    return layout;
}

std::string ColumnLetters(int column) {
    std::string letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

double AutoFitWidth(std::size_t characters) {
    if (characters == 0) return WorkbookLayout::kDefaultWidth;
    // About a tenth more than a digit per character (letters are wider), and
    // one character of the cell's margins.
    return std::min(1.1 * static_cast<double>(characters) + 1.0, kMaxWidth);
}
