// Writes the seed corpora of the fuzz targets: a small valid game file of
// every version the reader knows, built byte by byte from the layout by the
// game file tests' own builder, and valid parameter files. Run as
// `make_fuzz_seeds <folder>`; the results are kept under fuzz/seeds/.
#include "GameFileBytes.h"
#include "settings/LumSettings.h"
#include "settings/LumSettingsFile.h"
#include "settings/ProgramConfig.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// "Знатоки", "Омск" and the like in code page 866, so the older versions'
// conversion is exercised; the third team's name ends in dots. Twelve
// questions give two packed mark bytes per team in the older versions.
const std::vector<FileTeam> kTeams = {
    {"\x87\xad\xa0\xe2\xae\xaa\xa8", "\x8e\xac\xe1\xaa", "Ivanov", "Petrov", "++-+--+-++-+", 3, 0},
    {"Team B", "Tomsk", "\x88\xa2\xa0\xad", "", "-+-+-+-+-+-+", 0, 1},
    {"Third...", "", "", "Coach", "------------", 65535, 1},
};
constexpr int kQuestions = 12;

Version6Layout FullCurrentGame() {
    Version6Layout game;
    game.gameName = "Cup 2007";
    game.presenter = "Presenter";
    game.questions = kQuestions;
    game.teams = kTeams;
    game.tours = std::vector<std::pair<int, std::string>>{{6, "Tour 1"}, {6, "Tour 2"}};
    game.currentTour = 1;
    game.groups = {"Juniors", "Seniors"};
    game.currentGroup = 2;
    return game;
}

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WriteGameSeeds(const fs::path& folder) {
    for (int version = 1; version <= 5; ++version)
        Write(folder / ("v" + std::to_string(version) + ".qgm"),
              OldVersionFile(version, "\x8a\xe3\xa1\xae\xaa 2007", kQuestions, kTeams));
    Version6Layout game = FullCurrentGame();
    Write(folder / "v6-full.qgm", Version6File(game));
    game.deposits = false;
    Write(folder / "v6-until-coaches.qgm", Version6File(game));
    game = FullCurrentGame();
    game.tours.reset();
    Write(folder / "v6-until-deposits.qgm", Version6File(game));
    game = FullCurrentGame();
    game.tours->clear();
    game.groups.clear();
    Write(folder / "v6-no-tours.qgm", Version6File(game));
}

// Every kind the file can hold, a Cyrillic name and a value longer than the key.
std::string AllKindsFile() {
    std::vector<TLumParam> params(4);
    params[0] = {.Name = "\xc8\xcc\xdf", .ParamType = kLumString, .StrValue = "a value longer than the key"};
    params[1] = {.Name = "COUNT", .ParamType = kLumInteger, .IntValue = -123456};
    params[2] = {.Name = "RATIO", .ParamType = kLumReal, .FloatValue = 2.5e-3};
    params[3] = {.Name = "ON", .ParamType = kLumBoolean, .BoolValue = true};
    return EncodeLumFile(params, kProgramKey);
}

void WriteSettingsSeeds(const fs::path& folder) {
    SaveProgramConfig((folder / "defaults.cfg").string(), ProgramConfig{});
    ProgramConfig changed;
    changed.OutCapt = true;
    changed.TimerAll = 65535;
    changed.WayWarn = "/usr/share/sounds/warn.wav";
    changed.UserName = "\xc8\xe2\xe0\xed";
    changed.PlacePoints = {25, 18, 15, 12, 10, 8, 6, 4, 2, 1};
    SaveProgramConfig((folder / "changed.cfg").string(), changed);
    Write(folder / "all-kinds.cfg", AllKindsFile());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    fs::create_directories(root / "game");
    fs::create_directories(root / "settings");
    WriteGameSeeds(root / "game");
    WriteSettingsSeeds(root / "settings");
    return 0;
}
