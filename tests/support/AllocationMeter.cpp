#include "support/AllocationMeter.h"

#include <atomic>
#include <cstdlib>
#include <new>

// Every plain form of operator new and delete is replaced together, so that
// memory from one is never handed to another's counterpart (the sanitizer
// build would rightly call that a mismatch). The aligned forms stay the
// library's, pair for pair.

namespace {

std::atomic<std::size_t> gAskedBytes{0};

void* Allocate(std::size_t size) noexcept {
    gAskedBytes.fetch_add(size, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(std::size_t size) {
    if (void* memory = Allocate(size)) return memory;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

AllocationMeter::AllocationMeter() : FStart(gAskedBytes.load()) {}

AllocationMeter::~AllocationMeter() = default;

std::size_t AllocationMeter::Bytes() const { return gAskedBytes.load() - FStart; }
