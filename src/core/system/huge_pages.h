#pragma once

#include <cstddef>

namespace sorvik1 {

// Asks the system to back a large, not yet touched block of memory with huge
// pages. Filling tens of megabytes one small page at a time can cost more
// than the work that fills them, on virtual machines above all. Only a hint:
// where the system has no huge pages nothing changes.
void adviseHugePages(void* data, std::size_t bytes);

} // namespace sorvik1
