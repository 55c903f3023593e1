// libFuzzer target: the parameter file reader, with a save and re-read of
// every list it accepts.
#include "ReaderDrivers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FeedSettingsReader({reinterpret_cast<const char*>(data), size});
    return 0;
}
