// The key arithmetic of the parameter file: the key sum, the four check
// bytes that tie the key to the file's length, and the scrambling of texts.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace LumCipher {

// Σ key[j] × 13 × j over the key's bytes (unsigned, j from 1); EIntOverflow
// when it leaves the signed 32-bit range.
int32_t KeySum(std::string_view key);

// The bytes C1..C4 that open a file of `fileSize` bytes written with a key
// of sum `keySum`; EIntOverflow when a product leaves the 32-bit range.
std::array<uint8_t, 4> CheckBytes(int32_t fileSize, int32_t keySum);

std::string Scramble(std::string_view text, std::string_view key);
std::string Unscramble(std::string_view text, std::string_view key);

}  // namespace LumCipher
