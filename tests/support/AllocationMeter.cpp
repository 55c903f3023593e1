#include "support/AllocationMeter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> gAskedBytes{0};

}  // namespace

void* operator new(std::size_t size) {
    gAskedBytes.fetch_add(size, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

AllocationMeter::AllocationMeter() : FStart(gAskedBytes.load()) {}

AllocationMeter::~AllocationMeter() = default;

std::size_t AllocationMeter::Bytes() const { return gAskedBytes.load() - FStart; }
