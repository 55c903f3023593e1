// Counts the bytes the program asks of operator new while a meter lives,
// so a test can show that a reader refuses a file before it allocates what
// the file's counts announce. Linking it replaces the global operator new
// of the test program (an object library, linked only where it is used).
#pragma once

#include <cstddef>

class AllocationMeter {
public:
    AllocationMeter();
    ~AllocationMeter();
    AllocationMeter(const AllocationMeter&) = delete;
    AllocationMeter& operator=(const AllocationMeter&) = delete;

    // The bytes asked for since the meter was created.
    std::size_t Bytes() const;

private:
    std::size_t FStart;
};
