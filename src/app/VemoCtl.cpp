// vemoctl: the game files from the command line, for scripts that publish
// or check results. Texts on stdout are UTF-8 with LF line ends; reports,
// workbooks and PDF files are written as the program writes them.
#include "app/VemoCtlChamp.h"
#include "app/VemoCtlErrors.h"
#include "app/VemoCtlOutput.h"
#include "base/Errors.h"
#include "base/FileIO.h"
#include "base/TransCodes.h"
#include "model/GameJson.h"
#include "model/VemoData.h"
#include "output/PublishWriter.h"

#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

std::unique_ptr<TVemoData> LoadGame(const std::string& path, const CountOptions& options) {
    if (!FileIO::FileExists(path)) throw FileNotFound(path);
    auto game = std::make_unique<TVemoData>();
    game->SetCountOptions(options);
    try {
        if (!game->LoadFromFile(path)) throw NotAGameFile(path);
    } catch (const Exception& e) {
        throw DamagedFile(path, TransCodes::AnsiToUtf8(e.what()));
    }
    return game;
}

int Number(const std::string& option, const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 6)
        Usage("значение " + option + " должно быть неотрицательным целым числом: " + text);
    return std::stoi(text);
}

bool Switch(const std::string& option, const std::string& text, const char* on, const char* off) {
    if (text == on) return true;
    if (text == off) return false;
    Usage("значение " + option + " должно быть " + on + " или " + off + ": " + text);
}

// What the commands take besides the game file.
struct Request {
    CountOptions count;
    std::map<std::string, int> view;  // "--tour", "--group", "--last"
    int type = -1;
    std::string output;
    bool landscape = false;
    std::optional<PublishFormat> format;
    int refresh = 0;
};

struct Accepted {
    bool sortByRating = false;
    bool type = false;       // --type
    bool output = false;     // -o
    bool landscape = false;
    bool format = false;     // --format and --refresh
};

int InfoTypeNumber(const std::string& text) {
    const int type = Number("--type", text);
    if (type > static_cast<int>(InfoType::QuestionRatings)) Usage("тип информации должен быть от 0 до 3: " + text);
    return type;
}

PublishFormat PublishFormatNamed(const std::string& text) {
    if (text == "csv") return PublishFormat::Csv;
    if (text == "json") return PublishFormat::Json;
    if (text == "html") return PublishFormat::Html;
    Usage("формат должен быть csv, json или html: " + text);
}

Request ParseOptions(const std::vector<std::string>& args, const Accepted& accepted) {
    Request request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (accepted.landscape && option == "--landscape") {
            request.landscape = true;
            continue;
        }
        if (i + 1 >= args.size()) Usage("нет значения у " + option);
        const std::string& value = args[++i];
        if (option == "--tour" || option == "--group" || option == "--last") request.view[option] = Number(option, value);
        else if (option == "--rating") request.count.RatingPlusOne = Switch(option, value, "plus-one", "zero");
        else if (option == "--hirating") request.count.HiRating = Switch(option, value, "on", "off");
        else if (accepted.sortByRating && option == "--sort-by-rating")
            request.count.SortByRating = Switch(option, value, "on", "off");
        else if (option == "--deposit") request.count.DepositScore = Switch(option, value, "on", "off");
        else if (accepted.type && option == "--type") request.type = InfoTypeNumber(value);
        else if (accepted.output && option == "-o") request.output = value;
        else if (accepted.format && option == "--format") request.format = PublishFormatNamed(value);
        else if (accepted.format && option == "--refresh") request.refresh = Number(option, value);
        else Usage("неизвестный параметр: " + option);
    }
    if (accepted.type && request.type < 0) Usage("нужен тип информации: --type 0..3");
    if (accepted.format && !request.format) Usage("нужен формат: --format csv, json или html");
    if (accepted.output && request.output.empty()) Usage("нужен файл отчета: -o ФАЙЛ");
    return request;
}

void ApplyView(TVemoData& game, const std::map<std::string, int>& view) {
    if (auto t = view.find("--tour"); t != view.end() && !game.SetCurrentTour(t->second))
        Usage("нет тура " + std::to_string(t->second) + ": в игре туров " + std::to_string(game.TourCount()));
    if (auto g = view.find("--group"); g != view.end() && !game.SetCurrentGroup(g->second))
        Usage("нет группы " + std::to_string(g->second) + ": в игре групп " + std::to_string(game.GroupCount()));
    if (auto l = view.find("--last"); l != view.end() && !game.SetLastQuestion(l->second))
        Usage("нет вопроса " + std::to_string(l->second) + ": в туре вопросов " +
              std::to_string(game.WindowQuestionCount()));
}

// The game counted as the program counts before every output: by places,
// sorting by rating off.
std::unique_ptr<TVemoData> CountedForOutput(const std::string& gamePath, const Request& request) {
    CountOptions count = request.count;
    count.SortByRating = false;
    auto game = LoadGame(gamePath, count);
    ApplyView(*game, request.view);
    game->CountResult();
    return game;
}

RatingType RatingOf(const Request& request) {
    return request.count.RatingPlusOne ? RatingType::PlusOne : RatingType::Zero;
}

void Publish(const std::string& gamePath, const std::vector<std::string>& args) {
    const Request request = ParseOptions(args, {.output = true, .format = true});
    if (request.refresh > 0 && request.format != PublishFormat::Html) Usage("--refresh бывает только у html");
    auto game = CountedForOutput(gamePath, request);
    const ReportData data = GameReportData(*game, InfoType::TourResults, RatingOf(request));
    WritePublishedFile(data, *request.format, request.refresh, request.output);
}

void PrintStandings(TVemoData& game) {
    game.CountResult();
    std::cout << "pos\tplace\tnumber\tname\ttown\tscore\tratscore\ttaken\n";
    for (const TTeamData* t : game.TeamsInCountedOrder()) {
        std::cout << t->SortPos << '\t' << t->Place << '\t' << t->Number << '\t' << TransCodes::AnsiToUtf8(t->Name)
                  << '\t' << TransCodes::AnsiToUtf8(t->Town) << '\t' << t->Score << '\t' << t->RatScore << '\t'
                  << t->TotalTaken << '\n';
    }
}

void Output(OutputKind kind, const std::string& gamePath, const std::vector<std::string>& args) {
    const Request request = ParseOptions(args, {.type = true, .output = true, .landscape = kind == OutputKind::Pdf});
    auto game = CountedForOutput(gamePath, request);
    const ReportData data = GameReportData(*game, static_cast<InfoType>(request.type), RatingOf(request));
    WriteOutputFile(kind, data, request.output, request.landscape);
}

const std::map<std::string, OutputKind> kOutputs = {
    {"report", OutputKind::Report}, {"xlsx", OutputKind::Workbook}, {"pdf", OutputKind::Pdf}};

int Run(const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == "champ") {
        RunChamp(std::vector<std::string>(args.begin() + 1, args.end()));
        return 0;
    }
    if (args.size() < 2) Usage("нужны команда (dump, standings, convert, report, xlsx, pdf, publish или champ) и игровой файл");
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 2, args.end());
    if (command == "dump" && rest.empty()) {
        std::cout << GameToJson(*LoadGame(args[1], {})) << '\n';
    } else if (command == "standings") {
        const Request request = ParseOptions(rest, {.sortByRating = true});
        auto game = LoadGame(args[1], request.count);
        ApplyView(*game, request.view);
        PrintStandings(*game);
    } else if (command == "publish") {
        Publish(args[1], rest);
    } else if (auto output = kOutputs.find(command); output != kOutputs.end()) {
        Output(output->second, args[1], rest);
    } else if (command == "convert" && rest.size() == 1) {
        auto game = LoadGame(args[1], {});
        bool saved = false;
        try {
            saved = game->SaveToFile(rest[0]);
        } catch (const Exception& e) {
            throw CtlError{kExitFileError, "ошибка записи: " + rest[0] + ": " + TransCodes::AnsiToUtf8(e.what())};
        }
        if (!saved) throw CtlError{kExitFileError, "не удалось создать файл: " + rest[0]};
    } else {
        Usage("неизвестная команда или лишние аргументы: " + command);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const CtlError& e) {
        std::cerr << "vemoctl: " << e.message << '\n';
        return e.exitCode;
    }
}
