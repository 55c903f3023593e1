// libFuzzer target: the game file reader, with the count and a save and
// re-read of every game it accepts.
#include "ReaderDrivers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FeedGameReader({reinterpret_cast<const char*>(data), size});
    return 0;
}
