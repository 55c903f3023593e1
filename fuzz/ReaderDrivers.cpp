#include "ReaderDrivers.h"

#include "settings/CheckedArithmetic.h"
#include "base/Errors.h"
#include "base/FileIO.h"
#include "settings/LumCipher.h"
#include "settings/LumSettings.h"
#include "settings/ProgramConfig.h"
#include "model/VemoData.h"

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

// One file per process, so parallel fuzzing jobs do not share it.
const std::string& RoundTripPath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("vemo-fuzz-" + std::to_string(::getpid()) + ".qgm")).string();
    return path;
}

std::string SavedBytes(const TVemoData& game) {
    if (!game.SaveToFile(RoundTripPath())) throw RoundTripFault("a read game could not be saved");
    return FileIO::ReadWholeFile(RoundTripPath());
}

// Removes the round trip's file however the check ends, so neither the
// tests nor a fuzzing run leave files behind in the temporary folder.
struct RemoveRoundTripFile {
    ~RemoveRoundTripFile() {
        std::error_code ignored;
        std::filesystem::remove(RoundTripPath(), ignored);
    }
};

// A game the reader accepted must survive the current format unchanged.
void CheckGameRoundTrip(const TVemoData& game) {
    const RemoveRoundTripFile removed;
    const std::string first = SavedBytes(game);
    TVemoData again;
    if (!again.LoadFromBytes(first, RoundTripPath())) throw RoundTripFault("a saved game was not recognised");
    again.CountResult();
    if (SavedBytes(again) != first) throw RoundTripFault("a saved game read back differently");
}

bool SameParam(const TLumParam& a, const TLumParam& b) {
    if (a.Name != b.Name || a.ParamType != b.ParamType) return false;
    switch (a.ParamType) {
        case kLumInteger: return a.IntValue == b.IntValue;
        case kLumReal: return a.FloatValue == b.FloatValue;
        case kLumBoolean: return a.BoolValue == b.BoolValue;
        default: return a.StrValue == b.StrValue;
    }
}

void CheckSettingsRoundTrip(const TLumSettings& store) {
    if (store.Count() == 0) return;
    TLumSettings again;
    again.LoadFromBytes(store.SaveToBytes(kProgramKey), kProgramKey);
    if (again.Count() != store.Count()) throw RoundTripFault("a saved parameter list lost entries");
    for (int i = 0; i < store.Count(); ++i)
        if (!SameParam(store.Param(i), again.Param(i))) throw RoundTripFault("a saved parameter read back differently");
}

ReaderOutcome ReadSettings(std::string_view bytes) {
    TLumSettings store;
    try {
        store.LoadFromBytes(bytes, kProgramKey);
    } catch (const Exception&) {
        return ReaderOutcome::Refused;
    }
    CheckSettingsRoundTrip(store);
    // Whatever the list holds, applying it as the configuration either
    // succeeds or refuses with the store's or the range error.
    ProgramConfig config;
    try {
        ReadProgramConfig(store, config);
    } catch (const Exception&) {
    }
    return ReaderOutcome::Read;
}

// The same bytes behind the check bytes that their length and the key give.
std::string WithFittingCheckBytes(std::string_view bytes) {
    std::string fitted(bytes);
    const auto check = LumCipher::CheckBytes(CheckedInt32(fitted.size()), LumCipher::KeySum(kProgramKey));
    for (std::size_t i = 0; i < check.size(); ++i) fitted[i] = static_cast<char>(check[i]);
    return fitted;
}

}  // namespace

ReaderOutcome FeedGameReader(std::string_view bytes) {
    auto game = std::make_unique<TVemoData>();
    try {
        if (!game->LoadFromBytes(bytes, "fuzz.qgm")) return ReaderOutcome::NotThisKind;
        game->CountResult();
    } catch (const Exception&) {
        return ReaderOutcome::Refused;
    }
    CheckGameRoundTrip(*game);
    return ReaderOutcome::Read;
}

ReaderOutcome FeedSettingsReader(std::string_view bytes) {
    const ReaderOutcome outcome = ReadSettings(bytes);
    if (bytes.size() < 4) return outcome;
    try {
        ReadSettings(WithFittingCheckBytes(bytes));
    } catch (const EIntOverflow&) {
        // Too long for any check bytes with this key: nothing more to read.
    }
    return outcome;
}
