#pragma once

#include <cstddef>
#include <functional>

namespace sorvik1 {

// Storage sized by the spin count is announced here before it is allocated.
// Tests make the announcement fail as the allocator does when memory runs
// out: exhausting real memory shows nothing reliably (overcommit kills
// instead of failing, sanitizers abort on huge requests).
using AllocationFailure = std::function<bool(std::size_t bytes)>;

// `failure` decides which requests fail; an empty one lets every request pass.
void setAllocationFailure(AllocationFailure failure);

// Throws std::bad_alloc when the seam says the request of `bytes` fails.
void announceAllocation(std::size_t bytes);

} // namespace sorvik1
