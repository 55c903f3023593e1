#include "settings/LumCipher.h"

#include "settings/CheckedArithmetic.h"

#include <algorithm>

namespace LumCipher {
namespace {

uint8_t LowByte(int32_t value) { return static_cast<uint8_t>(value & 0xFF); }

uint8_t At(const std::string& text, std::size_t i) { return static_cast<uint8_t>(text[i]); }

// The key is laid over the start of the text only; it is never repeated.
void CombineWithKey(std::string& text, std::string_view key) {
    const std::size_t common = std::min(text.size(), key.size());
    for (std::size_t i = 0; i < common; ++i) text[i] = static_cast<char>(At(text, i) ^ static_cast<uint8_t>(key[i]));
}

uint8_t Neighbour(const std::string& text, std::size_t i) { return static_cast<uint8_t>(At(text, i + 1) + 11); }

uint8_t LastByteMask(std::size_t length) { return static_cast<uint8_t>((length + 111) & 0xFF); }

}  // namespace

int32_t KeySum(std::string_view key) {
    int32_t sum = 0;
    for (std::size_t j = 1; j <= key.size(); ++j) {
        const int32_t weighted = CheckedMul(static_cast<uint8_t>(key[j - 1]) * 13, CheckedInt32(j));
        sum = CheckedAdd(sum, weighted);
    }
    return sum;
}

std::array<uint8_t, 4> CheckBytes(int32_t fileSize, int32_t keySum) {
    return {
        LowByte(CheckedMul(fileSize, keySum)),
        LowByte(CheckedMul(keySum / 3, fileSize)),
        static_cast<uint8_t>(LowByte(fileSize) ^ LowByte(keySum)),
        LowByte(CheckedAdd(CheckedMul(10, fileSize), CheckedMul(2, keySum))),
    };
}

std::string Scramble(std::string_view text, std::string_view key) {
    std::string t(text);
    if (t.empty()) return t;
    CombineWithKey(t, key);
    // Ascending, so each byte is mixed with its neighbour as step one left it.
    for (std::size_t i = 0; i + 1 < t.size(); ++i) t[i] = static_cast<char>(At(t, i) ^ Neighbour(t, i));
    t.back() = static_cast<char>(At(t, t.size() - 1) ^ LastByteMask(t.size()));
    return t;
}

std::string Unscramble(std::string_view text, std::string_view key) {
    std::string t(text);
    if (t.empty()) return t;
    t.back() = static_cast<char>(At(t, t.size() - 1) ^ LastByteMask(t.size()));
    // Descending, so each neighbour is already restored when it is used.
    for (std::size_t i = t.size() - 1; i-- > 0;) t[i] = static_cast<char>(At(t, i) ^ Neighbour(t, i));
    CombineWithKey(t, key);
    return t;
}

}  // namespace LumCipher
