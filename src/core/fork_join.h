#pragma once

#include <cstdint>
#include <exception>
#include <thread>
#include <vector>

namespace sorvik1 {

// Runs work(part) for every part 0 .. parts - 1, part 0 on the calling
// thread and each other on a thread of its own, and returns when all are
// done. A failure on a worker (such as running out of memory) is handed to
// the caller instead of ending the program: that of the lowest part.
template <typename Work> void forkJoin(std::int64_t parts, Work work) {
    std::vector<std::exception_ptr> failures(static_cast<std::size_t>(parts));
    auto guarded = [&](std::int64_t part) {
        try {
            work(part);
        } catch (...) {
            failures[static_cast<std::size_t>(part)] = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> workers;
        for (std::int64_t part = 1; part < parts; ++part) {
            workers.emplace_back(guarded, part);
        }
        guarded(0);
    }
    for (const auto& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
}

} // namespace sorvik1
