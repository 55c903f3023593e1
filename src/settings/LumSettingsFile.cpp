#include "settings/LumSettingsFile.h"

#include "base/ByteStream.h"
#include "settings/CheckedArithmetic.h"
#include "settings/LumCipher.h"
#include "settings/LumSettingsError.h"
#include "settings/LumValueText.h"

namespace {

constexpr int32_t kCheckBytes = 4;
// Name length, kind byte and value length around the two texts.
constexpr int32_t kRecordFrame = 9;
constexpr int32_t kKindStep = 35;

struct RecordTexts {
    std::string name;
    uint8_t kind;
    std::string value;
};

uint8_t KindByte(std::string_view key, uint8_t paramType) {
    return static_cast<uint8_t>((key.size() + kKindStep * paramType) & 0xFF);
}

// Division truncates toward zero, so the few bytes just below the key's
// length still give the string kind; the rest outside 0..3 name no kind.
uint8_t KindOfByte(std::string_view key, uint8_t byte) {
    const auto kind = (static_cast<int64_t>(byte) - static_cast<int64_t>(key.size())) / kKindStep;
    if (kind < kLumString || kind > kLumBoolean) throw EInOutError("Invalid parameter kind in settings file");
    return static_cast<uint8_t>(kind);
}

int32_t FileSize(const std::vector<RecordTexts>& records) {
    int32_t size = kCheckBytes;
    for (const auto& r : records) {
        const int32_t recordSize = CheckedAdd(CheckedInt32(r.name.size()), CheckedInt32(r.value.size()));
        size = CheckedAdd(size, CheckedAdd(kRecordFrame, recordSize));
    }
    return size;
}

void WriteCheckBytes(ByteWriter& out, int32_t fileSize, int32_t keySum) {
    for (uint8_t b : LumCipher::CheckBytes(fileSize, keySum)) out.U8(b);
}

void CheckPassword(ByteReader& in, int32_t fileSize, int32_t keySum) {
    const auto expected = LumCipher::CheckBytes(fileSize, keySum);
    bool match = true;
    for (uint8_t b : expected) match = (in.U8() == b) && match;
    if (!match) throw ELumSettingsError(kLumWrongPassword);
}

TLumParam ReadRecord(ByteReader& in, std::string_view key, int32_t keySum, int32_t valueMask) {
    TLumParam param;
    const uint32_t nameLength = in.U32() ^ static_cast<uint32_t>(keySum);
    param.Name = LumCipher::Unscramble(in.Bytes(nameLength), key);
    param.ParamType = KindOfByte(key, in.U8());
    const uint32_t valueLength = in.U32() ^ static_cast<uint32_t>(valueMask);
    SetLumValueFromText(param, LumCipher::Unscramble(in.Bytes(valueLength), key));
    return param;
}

}  // namespace

std::string EncodeLumFile(const std::vector<TLumParam>& params, std::string_view key) {
    std::vector<RecordTexts> records;
    records.reserve(params.size());
    for (const auto& p : params) records.push_back({p.Name, KindByte(key, p.ParamType), LumValueText(p)});
    const int32_t fileSize = FileSize(records);
    const int32_t keySum = LumCipher::KeySum(key);
    const int32_t valueMask = CheckedAdd(keySum, 1);

    ByteWriter out;
    WriteCheckBytes(out, fileSize, keySum);
    for (const auto& r : records) {
        out.U32(static_cast<uint32_t>(r.name.size()) ^ static_cast<uint32_t>(keySum));
        out.Bytes(LumCipher::Scramble(r.name, key));
        out.U8(r.kind);
        out.U32(static_cast<uint32_t>(r.value.size()) ^ static_cast<uint32_t>(valueMask));
        out.Bytes(LumCipher::Scramble(r.value, key));
    }
    return out.Data();
}

std::vector<TLumParam> DecodeLumFile(std::string_view bytes, std::string_view key) {
    const int32_t keySum = LumCipher::KeySum(key);
    ByteReader in(bytes);
    CheckPassword(in, CheckedInt32(bytes.size()), keySum);
    const int32_t valueMask = CheckedAdd(keySum, 1);
    std::vector<TLumParam> params;
    while (!in.AtEnd()) params.push_back(ReadRecord(in, key, keySum, valueMask));
    return params;
}
