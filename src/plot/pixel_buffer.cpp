#include "pixel_buffer.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace parabel {

namespace {

// The size of a huge page on x86-64 and the smallest buffer mapped on its own.
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kOwnMappingFrom = 2 * kHugePage;

// Where mmap is only emulated on the heap (WebAssembly), a mapping has no
// pages to fault in and gives back only exactly what was mapped: large
// buffers come from the heap as small ones do.
#ifdef __EMSCRIPTEN__
constexpr bool kMapsLargeBuffers = false;
#else
constexpr bool kMapsLargeBuffers = true;
#endif

bool MappedOnItsOwn(std::size_t bytes) {
    return kMapsLargeBuffers && bytes >= kOwnMappingFrom;
}

std::size_t RoundedUp(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

// Gives back a whole mapping the buffer made. That failing means the
// buffer's own record of its memory is wrong: the program stops and says so
// rather than lose the memory unseen.
void Unmap(void* start, std::size_t bytes) noexcept {
    if (munmap(start, bytes) != 0) {
        std::perror("parabel: a pixel buffer's memory could not be given back");
        std::abort();
    }
}

void* MapAligned(std::size_t size) {
    // Huge pages back only whole aligned 2 MiB stretches: map one more and
    // give back what lies before and after the aligned part.
    const std::size_t mapped = size + kHugePage;
    void* mapping =
        mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED) {
        throw std::bad_alloc();
    }
    // Pointer arithmetic from the mapping itself, so the compiler keeps its
    // provenance; only the offset comes from the address.
    char* const start = static_cast<char*>(mapping);
    const std::size_t before =
        (kHugePage - reinterpret_cast<std::uintptr_t>(start) % kHugePage) % kHugePage;
    char* const aligned = start + before;
    // A trim fails only when the system will not split another mapping:
    // then the whole of what is still mapped goes back and the buffer is
    // refused, as when there is no memory.
    if (before > 0 && munmap(start, before) != 0) {
        Unmap(start, mapped);
        throw std::bad_alloc();
    }
    const std::size_t after = kHugePage - before;
    if (munmap(aligned + size, after) != 0) {
        Unmap(aligned, size + after);
        throw std::bad_alloc();
    }
    return aligned;
}

}  // namespace

void* AllocatePixelMemory(std::size_t bytes) {
    if (!MappedOnItsOwn(bytes)) {
        return ::operator new(bytes);
    }
    const std::size_t size = RoundedUp(bytes);
    void* memory = MapAligned(size);
    // Only a hint: without transparent huge pages the memory works as any,
    // so a refusal changes nothing.
    static_cast<void>(madvise(memory, size, MADV_HUGEPAGE));
    return memory;
}

void FreePixelMemory(void* memory, std::size_t bytes) noexcept {
    if (!MappedOnItsOwn(bytes)) {
        ::operator delete(memory);
        return;
    }
    Unmap(memory, RoundedUp(bytes));
}

}  // namespace parabel
