#pragma once

#include "core/system/allocation_seam.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

// Makes every announced allocation fail on any thread but the calling one,
// as memory running out inside a worker would. The caller's own requests
// wait (a few seconds at most) until a worker has failed, so the failure
// happens on a worker even where the caller could do all the work alone.
inline void failAllocationsOnWorkers() {
    auto workerFailed = std::make_shared<std::atomic<bool>>(false);
    sorvik1::setAllocationFailure([caller = std::this_thread::get_id(), workerFailed](std::size_t) {
        if (std::this_thread::get_id() != caller) {
            *workerFailed = true;
            return true;
        }
        for (int wait = 0; wait < 5000 && !*workerFailed; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    });
}
