// Signed 32-bit arithmetic that refuses to wrap. The parameter file's check
// bytes are products of the file size and the key sum; a result that left
// the 32-bit range would give check bytes no other reader agrees with, so
// it is an error instead.
#pragma once

#include "base/Errors.h"

#include <cstddef>
#include <cstdint>

class EIntOverflow : public Exception {
public:
    EIntOverflow() : Exception("Integer overflow") {}
};

int32_t CheckedAdd(int32_t a, int32_t b);
int32_t CheckedMul(int32_t a, int32_t b);
int32_t CheckedInt32(std::size_t value);
