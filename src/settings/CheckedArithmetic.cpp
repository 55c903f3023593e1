#include "settings/CheckedArithmetic.h"

#include <limits>

int32_t CheckedAdd(int32_t a, int32_t b) {
    int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) throw EIntOverflow();
    return sum;
}

int32_t CheckedMul(int32_t a, int32_t b) {
    int32_t product = 0;
    if (__builtin_mul_overflow(a, b, &product)) throw EIntOverflow();
    return product;
}

int32_t CheckedInt32(std::size_t value) {
    if (value > static_cast<std::size_t>(std::numeric_limits<int32_t>::max())) throw EIntOverflow();
    return static_cast<int32_t>(value);
}
