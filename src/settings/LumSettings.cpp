#include "settings/LumSettings.h"

#include "base/FileIO.h"
#include "settings/LumSettingsFile.h"
#include "base/TransCodes.h"

#include <fstream>

namespace {

bool CanOpenForReading(const std::string& path) {
    return FileIO::FileExists(path) && std::ifstream(path, std::ios::binary).is_open();
}

}  // namespace

const TLumParam& TLumSettings::Param(int index) const {
    if (index < 0 || index >= Count()) throw ELumSettingsError(kLumIndexOutOfRange);
    return FParams[static_cast<std::size_t>(index)];
}

int TLumSettings::IndexOf(std::string_view name) const {
    const std::string upper = TransCodes::UpperCase(name);
    for (int i = 0; i < Count(); ++i)
        if (FParams[static_cast<std::size_t>(i)].Name == upper) return i;
    return kNotFound;
}

void TLumSettings::CheckCanAdd(std::string_view name) const {
    if (Count() >= kMaxParams) throw ELumSettingsError(kLumTooManyParams);
    if (ParamExists(name)) throw ELumSettingsError(kLumDuplicateName);
}

TLumParam& TLumSettings::Append(std::string_view name, uint8_t kind) {
    TLumParam& param = FParams.emplace_back();
    param.Name = TransCodes::UpperCase(name);
    param.ParamType = kind;
    return param;
}

void TLumSettings::AddString(std::string_view name, std::string value) {
    CheckCanAdd(name);
    // The first character is looked at, so an empty name has none to look at.
    if (name.empty()) throw ERangeError();
    if (name.front() == '[') throw ELumSettingsError(kLumRestrictedName);
    Append(name, kLumString).StrValue = std::move(value);
}

void TLumSettings::AddInteger(std::string_view name, int32_t value) {
    CheckCanAdd(name);
    Append(name, kLumInteger).IntValue = value;
}

void TLumSettings::AddBoolean(std::string_view name, bool value) {
    CheckCanAdd(name);
    Append(name, kLumBoolean).BoolValue = value;
}

const TLumParam& TLumSettings::Find(std::string_view name, uint8_t kind) const {
    const int index = IndexOf(name);
    if (index == kNotFound) throw ELumSettingsError(kLumNameNotFound);
    const TLumParam& param = FParams[static_cast<std::size_t>(index)];
    if (param.ParamType != kind) throw ELumSettingsError(kLumWrongType);
    return param;
}

std::string TLumSettings::GetString(std::string_view name) const { return Find(name, kLumString).StrValue; }

int32_t TLumSettings::GetInteger(std::string_view name) const { return Find(name, kLumInteger).IntValue; }

bool TLumSettings::GetBoolean(std::string_view name) const { return Find(name, kLumBoolean).BoolValue; }

std::string TLumSettings::SaveToBytes(std::string_view key) const {
    if (FParams.empty()) throw ELumSettingsError(kLumEmptyList);
    return EncodeLumFile(FParams, key);
}

// The bytes are complete before the file is touched, and the new file is
// renamed over the old one only once written, so no failure leaves a
// truncated configuration behind.
void TLumSettings::SaveToFile(std::string_view key) const {
    const std::string bytes = SaveToBytes(key);
    if (FFileName.empty() || !FileIO::ReplaceFile(FFileName, bytes)) throw ELumSettingsError(kLumCannotCreate);
}

void TLumSettings::LoadFromFile(std::string_view key) {
    if (!CanOpenForReading(FFileName)) throw ELumSettingsError(kLumCannotOpen);
    LoadFromBytes(FileIO::ReadWholeFile(FFileName), key);
}

void TLumSettings::LoadFromBytes(std::string_view bytes, std::string_view key) {
    FParams = DecodeLumFile(bytes, key);
}
