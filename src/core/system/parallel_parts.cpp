#include "core/system/parallel_parts.h"

#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace sorvik1 {

void runParts(int parts, const std::function<void(int part)>& part) {
    std::mutex lock;
    std::exception_ptr first;
    const auto guarded = [&](int index) {
        try {
            part(index);
        } catch (...) {
            const std::lock_guard guard(lock);
            if (!first) {
                first = std::current_exception();
            }
        }
    };
    {
        std::vector<std::jthread> workers;
        for (int index = 1; index < parts; ++index) {
            workers.emplace_back(guarded, index);
        }
        guarded(0);
    }
    if (first) {
        std::rethrow_exception(first);
    }
}

} // namespace sorvik1
