#include "app/VemoCtlChamp.h"

#include "app/VemoCtlErrors.h"
#include "app/VemoCtlOutput.h"
#include "base/Errors.h"
#include "base/TransCodes.h"
#include "champ/Championship.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace {

struct ChampRequest {
    ChampSettings settings;
    std::string name = TransCodes::Utf8ToAnsi("Без названия");
    std::optional<OutputKind> output;
    std::string outputPath;
    bool landscape = false;
    std::vector<std::string> games;
};

const std::map<std::string, OutputKind> kOutputOptions = {
    {"--report", OutputKind::Report}, {"--xlsx", OutputKind::Workbook}, {"--pdf", OutputKind::Pdf}};

// The numbers the settings window takes: digits only, within 32 bits.
int32_t Count(const std::string& option, const std::string& text) {
    int64_t value = 0;
    const bool digits = !text.empty() && text.size() <= 10 && text.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc() ||
        value > std::numeric_limits<int32_t>::max())
        Usage("значение " + option + " должно быть целым числом от 0 до 2147483647: " + text);
    return static_cast<int32_t>(value);
}

std::array<int32_t, 10> PlacePoints(const std::string& text) {
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ',') fields.emplace_back();
        else fields.back().push_back(c);
    }
    std::array<int32_t, 10> points{};
    if (fields.size() != points.size()) Usage("--points ждет десять чисел через запятую: " + text);
    for (std::size_t place = 0; place < points.size(); ++place) points[place] = Count("--points", fields[place]);
    return points;
}

ChampRequest ParseChampOptions(const std::vector<std::string>& args) {
    ChampRequest request;
    request.settings.CountByScore = true;
    std::set<std::string> modes;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option.rfind("--", 0) != 0) {
            request.games.push_back(option);
            continue;
        }
        if (option == "--by-score" || option == "--by-points") {
            modes.insert(option);
            request.settings.CountByScore = option == "--by-score";
            continue;
        }
        if (option == "--landscape") {
            request.landscape = true;
            continue;
        }
        if (i + 1 >= args.size()) Usage("нет значения у " + option);
        const std::string& value = args[++i];
        if (option == "--mandatory") request.settings.ExlGames = Count(option, value);
        else if (option == "--points") request.settings.PlacePoints = PlacePoints(value);
        else if (option == "--name") request.name = TransCodes::Utf8ToAnsi(value);
        else if (auto kind = kOutputOptions.find(option); kind != kOutputOptions.end() && !request.output) {
            request.output = kind->second;
            request.outputPath = value;
        } else if (kOutputOptions.count(option)) Usage("нужен один выходной файл: --report, --xlsx или --pdf");
        else Usage("неизвестный параметр: " + option);
    }
    if (modes.size() > 1) Usage("нужен один способ подсчета: --by-score или --by-points");
    if (request.landscape && request.output != OutputKind::Pdf) Usage("--landscape бывает только с --pdf");
    if (request.games.empty()) Usage("нужны игровые файлы чемпионата");
    return request;
}

// The same file under two spellings is caught too.
std::string SameFileKey(const std::string& path) {
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    return error ? path : canonical.string();
}

void AddGames(Championship& champ, const std::vector<std::string>& paths) {
    std::set<std::string> seen;
    for (const std::string& path : paths) {
        if (!seen.insert(SameFileKey(path)).second) Usage("файл указан дважды: " + path);
        Championship::AddResult result{};
        try {
            result = champ.AddGame(path);
        } catch (const Exception& e) {
            throw DamagedFile(path, TransCodes::AnsiToUtf8(e.what()));
        }
        switch (result) {
            case Championship::AddResult::Added: break;
            case Championship::AddResult::AlreadyLoaded: Usage("файл указан дважды: " + path);
            case Championship::AddResult::NotFound: throw FileNotFound(path);
            case Championship::AddResult::NotAGame: throw NotAGameFile(path);
        }
    }
}

void PrintTable(const std::vector<ChampTeamRec>& rows) {
    std::cout << "place\tname\ttown\tgames\tscore\tratscore\tpoints\n";
    for (const ChampTeamRec& row : rows)
        std::cout << row.Place << '\t' << TransCodes::AnsiToUtf8(row.Name) << '\t' << TransCodes::AnsiToUtf8(row.Town)
                  << '\t' << row.Games << '\t' << row.Score << '\t' << row.RatScore << '\t' << row.Points << '\n';
}

}  // namespace

void RunChamp(const std::vector<std::string>& args) {
    const ChampRequest request = ParseChampOptions(args);
    Championship champ;
    champ.SetSettings(request.settings);
    AddGames(champ, request.games);
    if (request.output)
        WriteOutputFile(*request.output, ChampReportData(champ, request.name), request.outputPath, request.landscape);
    else
        PrintTable(champ.ChampTeams());
}
