#include "core/course.h"

#include "core/run_statistics.h"
#include "core/statistics.h"

#include <algorithm>

namespace sorvik1 {

Course courseOf(const Figure& figure, std::span<const std::int64_t> starts, std::int64_t shown,
                std::int64_t runSpins, std::int64_t most) {
    Course course;
    if (figure.empty() || shown <= 0) {
        return course;
    }
    const double single = countMoments(figure, figure.span(), ZeroRule::Breaks).expected;
    const std::int64_t startable = std::max<std::int64_t>(runSpins - figure.span() + 1, 0);
    std::size_t found = 0;
    // Asked in ascending x, so the count of starts up to x moves forward.
    course.deviation = thinned(shown, most, [&](std::int64_t x) {
        while (found < starts.size() && starts[found] <= x) {
            ++found;
        }
        return static_cast<double>(found) - single * static_cast<double>(std::min(x, startable));
    });
    const std::int64_t steps = std::min(shown, most);
    for (std::int64_t i = 1; i <= steps; ++i) {
        const std::int64_t x = i * shown / steps;
        const auto moments =
            countMoments(figure, coveredSpins(figure, x, runSpins), ZeroRule::Breaks);
        course.standardDeviation.push_back({x, moments.standardDeviation});
    }
    return course;
}

} // namespace sorvik1
