#include "entry/TeamImport.h"

#include "base/TransCodes.h"
#include "model/VemoData.h"

#include <array>
#include <memory>
#include <optional>
#include <unordered_map>

namespace {

constexpr std::size_t kColumns = 5;
using ColumnMap = std::array<std::optional<std::size_t>, kColumns>;

struct HeaderName {
    const char* utf8;
    ImportColumn column;
};

const HeaderName kHeaderNames[] = {
    {"Команда", ImportColumn::Name},        {"Название", ImportColumn::Name},
    {"Название команды", ImportColumn::Name}, {"Team", ImportColumn::Name},
    {"Team name", ImportColumn::Name},      {"Name", ImportColumn::Name},
    {"Город", ImportColumn::Town},          {"Населенный пункт", ImportColumn::Town},
    {"Town", ImportColumn::Town},           {"City", ImportColumn::Town},
    {"Капитан", ImportColumn::Captain},     {"Captain", ImportColumn::Captain},
    {"Тренер", ImportColumn::Coach},        {"Coach", ImportColumn::Coach},
    {"Trainer", ImportColumn::Coach},       {"Группа", ImportColumn::Group},
    {"Group", ImportColumn::Group},
};

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A line break inside a quoted field is a long name wrapped in its cell.
std::string FieldText(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
    }
    return Trimmed(out);
}

std::string Key(const std::string& ansi) { return TransCodes::UpperCase(ansi); }

std::optional<ImportColumn> HeaderColumn(const std::string& field) {
    const std::string key = Key(TransCodes::Utf8ToAnsi(FieldText(field)));
    for (const HeaderName& name : kHeaderNames)
        if (key == Key(TransCodes::Utf8ToAnsi(name.utf8))) return name.column;
    return std::nullopt;
}

// The columns a header row names, or none when the row is not a header.
std::optional<ColumnMap> HeaderColumns(const CsvRow& row) {
    ColumnMap columns;
    int known = 0;
    for (std::size_t i = 0; i < row.fields.size(); ++i)
        if (const auto column = HeaderColumn(row.fields[i])) {
            auto& at = columns[static_cast<std::size_t>(*column)];
            if (!at) at = i;
            ++known;
        }
    if (known < 2) return std::nullopt;
    return columns;
}

ColumnMap DefaultColumns() {
    ColumnMap columns;
    for (std::size_t i = 0; i < kColumns; ++i) columns[i] = i;
    return columns;
}

ImportRow RowOf(const CsvRow& csv, const ColumnMap& columns) {
    const auto field = [&](ImportColumn column) {
        const auto at = columns[static_cast<std::size_t>(column)];
        return at && *at < csv.fields.size() ? FieldText(csv.fields[*at]) : std::string();
    };
    return {csv.line, field(ImportColumn::Name), field(ImportColumn::Town), field(ImportColumn::Captain),
            field(ImportColumn::Coach), field(ImportColumn::Group)};
}

bool FitsWindows1251(const std::string& utf8) {
    return TransCodes::AnsiToUtf8(TransCodes::Utf8ToAnsi(utf8)) == utf8;
}

std::optional<ImportColumn> FirstNotWindows1251(const ImportRow& row) {
    const std::pair<const std::string*, ImportColumn> fields[] = {{&row.name, ImportColumn::Name},
                                                                  {&row.town, ImportColumn::Town},
                                                                  {&row.captain, ImportColumn::Captain},
                                                                  {&row.coach, ImportColumn::Coach},
                                                                  {&row.group, ImportColumn::Group}};
    for (const auto& [text, column] : fields)
        if (!FitsWindows1251(*text)) return column;
    return std::nullopt;
}

std::string TeamKey(const std::string& ansiName, const std::string& ansiTown) {
    // The name never holds a line break, so it cannot run into the town.
    return Key(Trimmed(ansiName)) + '\n' + Key(Trimmed(ansiTown));
}

// What the rows are checked against as the plan goes on.
class ImportChecks {
public:
    explicit ImportChecks(const TVemoData& game) : FRoom(TVemoData::kMaxCount - game.TeamCount()) {
        for (int i = 0; i < game.TeamCount(); ++i) {
            const TTeamData& team = *game.TeamByIndex(i);
            FTeams.try_emplace(TeamKey(team.Name, team.Town), team.Number);
        }
        for (int g = 0; g < game.GroupCount(); ++g) FGroups.emplace(Key(game.GroupByIndex(g)->Name), true);
    }

    void Check(const ImportRow& row, ImportPlan& plan) {
        if (const auto column = FirstNotWindows1251(row))
            return Refuse(plan, row, ImportRefusal::NotWindows1251, 0, *column);
        if (row.name.empty()) return Refuse(plan, row, ImportRefusal::NoName);
        if (row.town.empty()) return Refuse(plan, row, ImportRefusal::NoTown);
        const std::string key = TeamKey(TransCodes::Utf8ToAnsi(row.name), TransCodes::Utf8ToAnsi(row.town));
        if (const auto team = FTeams.find(key); team != FTeams.end())
            return Refuse(plan, row, ImportRefusal::SameAsTeam, team->second);
        if (const auto earlier = FRows.find(key); earlier != FRows.end())
            return Refuse(plan, row, ImportRefusal::SameAsRow, earlier->second);
        if (FRoom <= 0) return Refuse(plan, row, ImportRefusal::NoRoom);
        --FRoom;
        FRows.emplace(key, row.line);
        if (!row.group.empty() && FGroups.emplace(Key(TransCodes::Utf8ToAnsi(row.group)), true).second)
            plan.newGroups.push_back(row.group);
        plan.accepted.push_back(row);
    }

private:
    static void Refuse(ImportPlan& plan, const ImportRow& row, ImportRefusal reason, int other = 0,
                       ImportColumn column = ImportColumn::Name) {
        plan.refused.push_back({row, reason, other, column});
    }

    int FRoom;
    std::unordered_map<std::string, int> FTeams;
    std::unordered_map<std::string, int> FRows;
    std::unordered_map<std::string, bool> FGroups;
};

TGroupData* GroupOf(TVemoData& game, const std::string& ansiName) {
    const std::string key = Key(ansiName);
    for (int g = 0; g < game.GroupCount(); ++g)
        if (Key(game.GroupByIndex(g)->Name) == key) return game.GroupByIndex(g);
    const TGroupData added{ansiName};
    game.AddGroup(&added);
    return game.GroupByIndex(game.GroupCount() - 1);
}

const char* ColumnTitle(ImportColumn column) {
    switch (column) {
        case ImportColumn::Name: return "название";
        case ImportColumn::Town: return "город";
        case ImportColumn::Captain: return "капитан";
        case ImportColumn::Coach: return "тренер";
        case ImportColumn::Group: return "группа";
    }
    return "";
}

}  // namespace

ImportPlan PlanTeamImport(std::string_view fileBytes, const TVemoData& game) {
    const CsvTable table = ReadCsv(fileBytes);
    ImportPlan plan;
    plan.encoding = table.encoding;
    plan.separator = table.separator;
    std::size_t first = 0;
    ColumnMap columns = DefaultColumns();
    if (!table.rows.empty())
        if (const auto header = HeaderColumns(table.rows[0])) {
            columns = *header;
            plan.header = true;
            first = 1;
        }
    ImportChecks checks(game);
    for (std::size_t r = first; r < table.rows.size(); ++r) checks.Check(RowOf(table.rows[r], columns), plan);
    return plan;
}

void ApplyTeamImport(const ImportPlan& plan, TVemoData& game) {
    for (const ImportRow& row : plan.accepted) {
        auto team = std::make_unique<TTeamData>(&game);
        team->Name = TransCodes::Utf8ToAnsi(row.name);
        team->Town = TransCodes::Utf8ToAnsi(row.town);
        team->Captain = TransCodes::Utf8ToAnsi(row.captain);
        team->Trainer = TransCodes::Utf8ToAnsi(row.coach);
        if (!row.group.empty()) team->SetGroup(GroupOf(game, TransCodes::Utf8ToAnsi(row.group)));
        game.AddTeam(std::move(team));
    }
}

std::string RefusalText(const RefusedRow& refused) {
    std::string text;
    switch (refused.reason) {
        case ImportRefusal::NoName: text = "нет названия команды"; break;
        case ImportRefusal::NoTown: text = "нет города"; break;
        case ImportRefusal::SameAsTeam: text = "такая команда уже есть: №" + std::to_string(refused.other); break;
        case ImportRefusal::SameAsRow: text = "повтор строки " + std::to_string(refused.other); break;
        case ImportRefusal::NotWindows1251:
            text = std::string(ColumnTitle(refused.column)) + ": знаки, которых нет в Windows-1251";
            break;
        case ImportRefusal::NoRoom:
            text = "в игре уже " + std::to_string(TVemoData::kMaxCount) + " команд";
            break;
    }
    return TransCodes::Utf8ToAnsi(text);
}
