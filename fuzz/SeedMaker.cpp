// Writes the seed corpora of the fuzz targets: a small valid game file of
// every version the reader knows, built byte by byte from the layout, and
// valid parameter files. Run as `make_fuzz_seeds <folder>`; the results are
// kept under fuzz/seeds/.
#include "ByteStream.h"
#include "LumSettings.h"
#include "LumSettingsFile.h"
#include "ProgramConfig.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const kSignatures[] = {
    "LUM \"Kvizo?Tarn?Qulm?\" file.Ver 1.01",
    "LUM \"Kvizo?Tarn?Qulm?\" file.Ver 1.03",
    "LUM \"Kvizo?Tarn?Qulm?\" file.Ver 3.00",
    "LUM \"Kvizo?Tarn?Qulm?\" file.Ver 3.LE",
    "LUM VeMo Windows Program File.Ver 1.01",
    "(c)Q.Durnabelsk VeMo Data File ver 2.01",
};

struct SeedTeam {
    std::string name, town, captain, trainer;  // code page 866 for versions 1-5
    std::string marks;                          // '+' taken
};

// "Знатоки", "Омск" and the like in code page 866, so the older versions'
// conversion is exercised; the third team's name ends in dots.
const std::vector<SeedTeam> kTeams = {
    {"\x87\xad\xa0\xe2\xae\xaa\xa8", "\x8e\xac\xe1\xaa", "Ivanov", "Petrov", "++-+--+-++-+"},
    {"Team B", "Tomsk", "\x88\xa2\xa0\xad", "", "-+-+-+-+-+-+"},
    {"Third...", "", "", "Coach", "------------"},
};
constexpr int kQuestions = 12;

void FixedText(ByteWriter& out, const std::string& text, std::size_t size) {
    out.U8(static_cast<uint8_t>(text.size()));
    out.Bytes(text);
    out.Bytes(std::string(size - 1 - text.size(), '\0'));
}

void CountedText(ByteWriter& out, const std::string& text) {
    out.U16(static_cast<uint16_t>(text.size()));
    out.Bytes(text);
}

void Header(ByteWriter& out, int version) {
    FixedText(out, kSignatures[version - 1], 41);
    if (version <= 3) {
        out.U8(static_cast<uint8_t>(kTeams.size()));
        out.U8(kQuestions);
    } else {
        out.U16(static_cast<uint16_t>(kTeams.size()));
        out.U16(kQuestions);
    }
    out.U16(2007);
    out.U8(4);
    out.U8(15);
}

void Marks(ByteWriter& out, bool packed) {
    for (const auto& team : kTeams) {
        if (!packed) {
            for (char m : team.marks) out.U8(m == '+' ? 1 : 0);
            continue;
        }
        for (int byte = 0; byte <= (kQuestions - 1) / 8; ++byte) {
            uint8_t bits = 0;
            for (int k = 0; k < 8 && byte * 8 + k < kQuestions; ++k)
                if (team.marks[static_cast<std::size_t>(byte * 8 + k)] == '+') bits |= static_cast<uint8_t>(1 << k);
            out.U8(bits);
        }
    }
}

std::string OldGame(int version) {
    ByteWriter out;
    Header(out, version);
    FixedText(out, "\x8a\xe3\xa1\xae\xaa 2007", 61);
    Marks(out, version != 1);
    for (const auto& t : kTeams) FixedText(out, t.name, 26);
    for (const auto& t : kTeams) FixedText(out, t.town, 11);
    for (const auto& t : kTeams) FixedText(out, t.captain, 21);
    if (version >= 3)
        for (const auto& t : kTeams) FixedText(out, t.trainer, 21);
    return out.Data();
}

struct CurrentSections {
    bool deposits = true;
    bool tours = true;
    int tourCount = 2;
    bool groups = true;
};

std::string CurrentGame(const CurrentSections& s) {
    ByteWriter out;
    Header(out, 6);
    CountedText(out, "Cup 2007");
    CountedText(out, "Presenter");
    Marks(out, false);
    for (auto field : {&SeedTeam::name, &SeedTeam::town, &SeedTeam::captain, &SeedTeam::trainer})
        for (const auto& t : kTeams) CountedText(out, t.*field);
    if (!s.deposits) return out.Data();
    for (uint16_t deposit : {3, 0, 65535}) out.U16(deposit);
    if (!s.tours) return out.Data();
    out.U16(static_cast<uint16_t>(s.tourCount));
    for (int i = 0; i < s.tourCount; ++i) {
        out.U16(static_cast<uint16_t>(kQuestions / s.tourCount));
        CountedText(out, "Tour " + std::to_string(i + 1));
    }
    if (s.tourCount > 0) out.U16(1);
    out.U16(s.groups ? 2 : 0);
    if (s.groups) {
        CountedText(out, "Juniors");
        CountedText(out, "Seniors");
        for (uint16_t group : {0, 1, 1}) out.U16(group);
        out.U16(2);
    }
    return out.Data();
}

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WriteGameSeeds(const fs::path& folder) {
    for (int version = 1; version <= 5; ++version) Write(folder / ("v" + std::to_string(version) + ".qgm"), OldGame(version));
    Write(folder / "v6-full.qgm", CurrentGame({}));
    Write(folder / "v6-until-coaches.qgm", CurrentGame({.deposits = false}));
    Write(folder / "v6-until-deposits.qgm", CurrentGame({.tours = false}));
    Write(folder / "v6-no-tours.qgm", CurrentGame({.tourCount = 0, .groups = false}));
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
