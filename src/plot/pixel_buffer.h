// The memory of a raster surface's pixels. A large buffer (a full-screen
// picture is 33 MB at 3840 x 2160) is mapped on its own and asked to be
// backed by huge pages: the first touch of each 4 KiB page costs a fault, and
// for a buffer that size the faults alone took longer than drawing and
// compressing the picture. WebAssembly has no pages to map, so there every
// buffer comes from the heap. The pixels start unset, for a surface paints
// them all as soon as it is made.
#pragma once

#include <cstddef>
#include <new>
#include <utility>
#include <vector>

#include "color.h"

namespace parabel {

// `bytes` of memory for pixels, at least 16-byte aligned; std::bad_alloc when
// there is none.
void* AllocatePixelMemory(std::size_t bytes);
void FreePixelMemory(void* memory, std::size_t bytes) noexcept;

template <typename T>
class PixelAllocator {
  public:
    // The name the standard's allocator requirements ask for.
    using value_type = T;  // NOLINT(readability-identifier-naming)

    PixelAllocator() = default;
    template <typename U>
    PixelAllocator(const PixelAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        return static_cast<T*>(AllocatePixelMemory(count * sizeof(T)));
    }
    void deallocate(T* memory, std::size_t count) noexcept {
        FreePixelMemory(memory, count * sizeof(T));
    }
    // An element made without a value is left unset rather than zeroed.
    template <typename U>
    void construct(U* place) noexcept {
        ::new (static_cast<void*>(place)) U;
    }
    template <typename U, typename... Args>
    void construct(U* place, Args&&... args) {
        ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
    }

    template <typename U>
    bool operator==(const PixelAllocator<U>&) const noexcept {
        return true;
    }
};

using PixelBuffer = std::vector<Pixel, PixelAllocator<Pixel>>;

}  // namespace parabel
