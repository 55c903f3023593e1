// Building and altering parameter files byte by byte in the tests.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

std::string ByteString(std::initializer_list<int> bytes);

// `bytes` with the byte at `offset` replaced.
std::string WithByte(std::string bytes, std::size_t offset, int value);

// `bytes` behind the check bytes that their length and `key` give, so that
// a shortened or altered file gets past the check to its records.
std::string WithFittingCheckBytes(std::string bytes, std::string_view key);

// The kind byte of the first record of a file, which follows the check
// bytes, the name length and a name of `nameLength` bytes. It is not
// scrambled, so a test can give a record another kind without
// re-scrambling anything.
std::size_t FirstKindOffset(std::size_t nameLength);
