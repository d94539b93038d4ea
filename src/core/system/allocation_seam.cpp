#include "core/system/allocation_seam.h"

#include <new>
#include <utility>

namespace sorvik1 {

namespace {

AllocationFailure& failureSeam() {
    static AllocationFailure failure;
    return failure;
}

} // namespace

void setAllocationFailure(AllocationFailure failure) {
    failureSeam() = std::move(failure);
}

void announceAllocation(std::size_t bytes) {
    const AllocationFailure& failure = failureSeam();
    if (failure && failure(bytes)) {
        throw std::bad_alloc();
    }
}

} // namespace sorvik1
