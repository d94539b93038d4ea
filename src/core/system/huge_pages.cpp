#include "core/system/huge_pages.h"

#if defined(__linux__)
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace sorvik1 {

#if defined(__linux__)
void adviseHugePages(void* data, std::size_t bytes) {
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pageSize <= 0 || data == nullptr) {
        return;
    }
    // madvise wants whole pages: advise only the pages that lie inside the
    // block, never a neighbour's.
    const auto page = static_cast<std::uintptr_t>(pageSize);
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + page - 1) / page * page;
    const std::uintptr_t last = (begin + bytes) / page * page;
    if (last > first) {
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
}
#else
void adviseHugePages(void*, std::size_t) {}
#endif

} // namespace sorvik1
