// The game file (.qgm): reading of the six known versions, writing of the
// current one. All integers are little-endian; the older versions keep
// their texts in code page 866.
#include "base/ByteStream.h"
#include "base/Errors.h"
#include "base/FileIO.h"
#include "base/TransCodes.h"
#include "model/VemoData.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

constexpr std::array<std::string_view, 6> kSignatures = {
    "LUM \"Kvizo?Tarn?Qulm?\" file.Ver 1.01",
    "LUM \"Kvizo?Tarn?Qulm?\" file.Ver 1.03",
    "LUM \"Kvizo?Tarn?Qulm?\" file.Ver 3.00",
    "LUM \"Kvizo?Tarn?Qulm?\" file.Ver 3.LE",
    "LUM VeMo Windows Program File.Ver 1.01",
    "(c)Q.Durnabelsk VeMo Data File ver 2.01",
};
constexpr int kCurrentVersion = 6;
constexpr std::size_t kSignatureField = 41;

constexpr std::size_t kNameField = 26;
constexpr std::size_t kTownField = 11;
constexpr std::size_t kCaptainField = 21;
constexpr std::size_t kTrainerField = 21;
constexpr std::size_t kGameNameField = 61;
constexpr int kMaxCountedText = TVemoData::kMaxTextLength;

// A fixed text field: a length byte, then the characters, then padding.
std::string FixedText(ByteReader& in, std::size_t size) {
    const std::string_view field = in.Bytes(size);
    const std::size_t length = std::min<std::size_t>(static_cast<uint8_t>(field[0]), size - 1);
    return std::string(field.substr(1, length));
}

std::string OemFixedText(ByteReader& in, std::size_t size) {
    std::string text = FixedText(in, size);
    TransCodes::OemToAnsiText(text);
    return text;
}

// A signed 16-bit length, then the characters; a negative length is an empty text.
std::string CountedText(ByteReader& in) {
    const auto length = static_cast<int16_t>(in.U16());
    if (length < 0) return {};
    return std::string(in.Bytes(static_cast<std::size_t>(length)));
}

void WriteCountedText(ByteWriter& out, const std::string& text) {
    if (text.size() > static_cast<std::size_t>(kMaxCountedText)) throw ERangeError();
    out.U16(static_cast<uint16_t>(text.size()));
    out.Bytes(text);
}

int VersionOf(const std::string& signature) {
    const auto found = std::find(kSignatures.begin(), kSignatures.end(), signature);
    return found == kSignatures.end() ? 0 : static_cast<int>(found - kSignatures.begin()) + 1;
}

void StripTrailingDots(std::string& text) {
    const std::size_t keep = text.find_last_not_of('.');
    text.erase(keep == std::string::npos ? 0 : keep + 1);
}

}  // namespace

class GameFileReader {
public:
    GameFileReader(TVemoData& game, std::string_view data) : FGame(game), FIn(data) {}

    bool Read(const std::string& fileName);

private:
    bool OldVersion() const { return FVersion < kCurrentVersion; }
    std::size_t PackedMarkBytes() const { return static_cast<std::size_t>((FQuestions - 1) / 8 + 1); }
    std::size_t MinimumTeamBytes() const;
    void ReadTeams();
    void ReadMarks(TTeamData& team);
    void ReadTextColumns();
    void ReadTours();
    void ReadGroups();

    TVemoData& FGame;
    ByteReader FIn;
    int FVersion = 0;
    int FTeamCount = 0;
    int FQuestions = 0;
};

bool GameFileReader::Read(const std::string& fileName) {
    FVersion = VersionOf(FixedText(FIn, kSignatureField));
    if (FVersion == 0) return false;
    const bool wideCounts = FVersion >= 4;
    FTeamCount = wideCounts ? FIn.U16() : FIn.U8();
    FQuestions = wideCounts ? FIn.U16() : FIn.U8();
    FGame.FQuestionCount = static_cast<uint16_t>(FQuestions);
    FGame.FGameDate.Year = FIn.U16();
    FGame.FGameDate.Month = FIn.U8();
    FGame.FGameDate.Day = FIn.U8();
    if (OldVersion()) {
        FGame.FGameName = OemFixedText(FIn, kGameNameField);
    } else {
        FGame.FGameName = CountedText(FIn);
        FGame.FPresenter = CountedText(FIn);
    }
    FGame.AddTour(FQuestions, FGame.FGameName);
    ReadTeams();
    ReadTextColumns();
    if (!OldVersion() && !FIn.AtEnd()) {
        FIn.Require(static_cast<std::size_t>(FTeamCount), 2);
        for (const auto& team : FGame.FTeams) team->ScoreDeposit = FIn.U16();
    }
    if (!OldVersion() && !FIn.AtEnd()) {
        ReadTours();
        ReadGroups();
    }
    FGame.FFileName = fileName;
    FGame.FLastQuestion = FGame.FQuestionCount;
    for (const auto& team : FGame.FTeams) {
        StripTrailingDots(team->Name);
        StripTrailingDots(team->Town);
        StripTrailingDots(team->Captain);
        StripTrailingDots(team->Trainer);
    }
    return true;
}

std::size_t GameFileReader::MinimumTeamBytes() const {
    switch (FVersion) {
        case 1: return static_cast<std::size_t>(FQuestions) + kNameField + kTownField + kCaptainField;
        case 2: return PackedMarkBytes() + kNameField + kTownField + kCaptainField;
        case 6: return static_cast<std::size_t>(FQuestions) + 4 * 2;
        default: return PackedMarkBytes() + kNameField + kTownField + kCaptainField + kTrainerField;
    }
}

// Teams are appended as registration would append them, but the scores are
// counted once after the last one instead of once per team: each count
// replaces the previous one's results, so only the last count matters.
void GameFileReader::ReadTeams() {
    FIn.Require(static_cast<std::size_t>(FTeamCount), MinimumTeamBytes());
    int number = 0;
    for (const auto& team : FGame.FTeams) number = std::max(number, team->Number);
    FGame.FTeams.reserve(FGame.FTeams.size() + static_cast<std::size_t>(FTeamCount));
    for (int i = 0; i < FTeamCount; ++i) {
        auto team = std::make_unique<TTeamData>(&FGame);
        team->SetMarkCount(FQuestions);
        ReadMarks(*team);
        team->Number = ++number;
        FGame.FTeams.push_back(std::move(team));
    }
    FGame.UpdateGroupTeams();
    FGame.CountRatings();
}

void GameFileReader::ReadMarks(TTeamData& team) {
    if (FVersion == 1 || FVersion == kCurrentVersion) {
        const std::string_view bytes = FIn.Bytes(static_cast<std::size_t>(FQuestions));
        for (int q = 0; q < FQuestions; ++q) team.SetRawMark(q, static_cast<uint8_t>(bytes[q]));
        return;
    }
    const std::string_view packed = FIn.Bytes(PackedMarkBytes());
    for (int q = 0; q < FQuestions; ++q)
        team.SetRawMark(q, (static_cast<uint8_t>(packed[q / 8]) >> (q % 8)) & 1);
}

void GameFileReader::ReadTextColumns() {
    auto column = [this](std::string TTeamData::*field, std::size_t fixedSize) {
        for (const auto& team : FGame.FTeams)
            (*team).*field = OldVersion() ? OemFixedText(FIn, fixedSize) : CountedText(FIn);
    };
    column(&TTeamData::Name, kNameField);
    column(&TTeamData::Town, kTownField);
    column(&TTeamData::Captain, kCaptainField);
    if (FVersion >= 3) column(&TTeamData::Trainer, kTrainerField);
}

void GameFileReader::ReadTours() {
    const int tours = FIn.U16();
    FIn.Require(static_cast<std::size_t>(tours), 4);
    FGame.FTourNames.clear();
    FGame.FTourQuestCounts.clear();
    for (int i = 0; i < tours; ++i) {
        FGame.FTourQuestCounts.push_back(FIn.U16());
        FGame.FTourNames.push_back(CountedText(FIn));
    }
    if (tours == 0) return;
    // Every team has exactly the game's questions; a tour table that covers
    // more or fewer would send the tour operations outside the marks.
    if (std::accumulate(FGame.FTourQuestCounts.begin(), FGame.FTourQuestCounts.end(), 0) != FQuestions)
        throw ERangeError();
    const int current = FIn.U16();
    if (current <= tours) FGame.SetCurrentTour(current);
}

void GameFileReader::ReadGroups() {
    const int groups = FIn.U16();
    FIn.Require(static_cast<std::size_t>(groups), 2);
    FGame.FGroups.clear();
    for (int i = 0; i < groups; ++i) FGame.FGroups.push_back(std::make_unique<TGroupData>(TGroupData{CountedText(FIn)}));
    if (groups == 0) return;
    FIn.Require(static_cast<std::size_t>(FTeamCount), 2);
    for (const auto& team : FGame.FTeams) {
        const int index = FIn.U16();
        if (index >= groups) throw ERangeError();
        team->SetGroup(FGame.FGroups[static_cast<std::size_t>(index)].get());
    }
    const int current = FIn.U16();
    if (current <= groups) FGame.SetCurrentGroup(current);
}

bool TVemoData::LoadFromFile(const std::string& fileName) {
    if (!FileIO::FileExists(fileName)) return false;
    return LoadFromBytes(FileIO::ReadWholeFile(fileName), fileName);
}

bool TVemoData::LoadFromBytes(std::string_view data, const std::string& fileName) {
    return GameFileReader(*this, data).Read(fileName);
}

bool TVemoData::SaveToFile(const std::string& fileName) const {
    return FileIO::ReplaceFile(fileName, GameFileBytes());
}

std::string TVemoData::GameFileBytes() const {
    ByteWriter out;
    const std::string_view signature = kSignatures[kCurrentVersion - 1];
    out.U8(static_cast<uint8_t>(signature.size()));
    out.Bytes(signature);
    out.Bytes(std::string(kSignatureField - 1 - signature.size(), '\0'));
    out.U16(static_cast<uint16_t>(TeamCount()));
    out.U16(FQuestionCount);
    out.U16(FGameDate.Year);
    out.U8(FGameDate.Month);
    out.U8(FGameDate.Day);
    WriteCountedText(out, FGameName);
    WriteCountedText(out, FPresenter);
    for (const auto& team : FTeams)
        for (int q = 0; q < FQuestionCount; ++q) out.U8(team->RawMark(q));
    for (auto field : {&TTeamData::Name, &TTeamData::Town, &TTeamData::Captain, &TTeamData::Trainer})
        for (const auto& team : FTeams) WriteCountedText(out, (*team).*field);
    for (const auto& team : FTeams) out.U16(static_cast<uint16_t>(team->ScoreDeposit & 0xFFFF));

    out.U16(static_cast<uint16_t>(TourCount()));
    for (int i = 0; i < TourCount(); ++i) {
        out.U16(FTourQuestCounts[static_cast<std::size_t>(i)]);
        WriteCountedText(out, FTourNames[static_cast<std::size_t>(i)]);
    }
    if (TourCount() > 0) out.U16(FCurrentTour);

    out.U16(static_cast<uint16_t>(GroupCount()));
    if (GroupCount() > 0) {
        for (const auto& group : FGroups) WriteCountedText(out, group->Name);
        for (const auto& team : FTeams) {
            const auto first = std::find_if(FGroups.begin(), FGroups.end(), [&](const auto& g) {
                return team->Group() && g->Name == team->Group()->Name;
            });
            out.U16(first == FGroups.end() ? 0 : static_cast<uint16_t>(first - FGroups.begin()));
        }
        out.U16(FCurrentGroup);
    }
    return out.Data();
}
