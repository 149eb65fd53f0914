#include "pixel_buffer.h"

#include <sys/mman.h>

#include <cstdint>

namespace parabel {

namespace {

// The size of a huge page on x86-64 and the smallest buffer mapped on its own.
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kOwnMappingFrom = 2 * kHugePage;

std::size_t RoundedUp(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

}  // namespace

void* AllocatePixelMemory(std::size_t bytes) {
    if (bytes < kOwnMappingFrom) {
        return ::operator new(bytes);
    }
    // Huge pages back only whole aligned 2 MiB stretches: map one more and
    // give back what lies before and after the aligned part.
    const std::size_t size = RoundedUp(bytes);
    void* mapped =
        mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        throw std::bad_alloc();
    }
    // Pointer arithmetic from the mapping itself, so the compiler keeps its
    // provenance; only the offset comes from the address.
    char* const start = static_cast<char*>(mapped);
    const std::size_t before =
        (kHugePage - reinterpret_cast<std::uintptr_t>(start) % kHugePage) % kHugePage;
    char* const aligned = start + before;
    if (before > 0) {
        munmap(start, before);
    }
    if (const std::size_t after = kHugePage - before; after > 0) {
        munmap(aligned + size, after);
    }
    void* memory = aligned;
    // Only a hint: without transparent huge pages the memory works as any.
    madvise(memory, size, MADV_HUGEPAGE);
    return memory;
}

void FreePixelMemory(void* memory, std::size_t bytes) noexcept {
    if (bytes < kOwnMappingFrom) {
        ::operator delete(memory);
        return;
    }
    munmap(memory, RoundedUp(bytes));
}

}  // namespace parabel
