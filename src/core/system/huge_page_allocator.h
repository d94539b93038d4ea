#pragma once

#include "core/system/huge_pages.h"

#include <cstddef>
#include <memory>

namespace sorvik1 {

// The standard allocator, except that a block large enough to hold a huge
// page is offered huge pages before the container first writes it. A store
// that grows to tens of megabytes during a long run then costs the system a
// few dozen page faults instead of tens of thousands.
template <typename T> struct HugePageAllocator {
    using value_type = T;

    HugePageAllocator() = default;
    template <typename U> HugePageAllocator(const HugePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        T* block = std::allocator<T>{}.allocate(n);
        if (n * sizeof(T) >= hugePageBytes) {
            adviseHugePages(block, n * sizeof(T));
        }
        return block;
    }
    void deallocate(T* block, std::size_t n) noexcept { std::allocator<T>{}.deallocate(block, n); }

    template <typename U> bool operator==(const HugePageAllocator<U>&) const noexcept {
        return true;
    }

  private:
    static constexpr std::size_t hugePageBytes = std::size_t{2} << 20;
};

} // namespace sorvik1
