#include "SettingsBytes.h"

#include "settings/LumCipher.h"

std::string ByteString(std::initializer_list<int> bytes) {
    std::string result;
    for (int b : bytes) result += static_cast<char>(b);
    return result;
}

std::string WithByte(std::string bytes, std::size_t offset, int value) {
    bytes.at(offset) = static_cast<char>(value);
    return bytes;
}

std::string WithFittingCheckBytes(std::string bytes, std::string_view key) {
    const auto check = LumCipher::CheckBytes(static_cast<int32_t>(bytes.size()), LumCipher::KeySum(key));
    for (std::size_t i = 0; i < check.size(); ++i) bytes.at(i) = static_cast<char>(check[i]);
    return bytes;
}

std::size_t FirstKindOffset(std::size_t nameLength) { return 4 + 4 + nameLength; }
