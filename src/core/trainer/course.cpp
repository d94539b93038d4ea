#include "core/trainer/course.h"

#include "core/laws/statistics.h"
#include "core/trainer/run_statistics.h"

#include <algorithm>

namespace sorvik1 {

namespace {

// The points thinned() gives for the count so far minus its expectation,
// without looking at every spin: between two starts the value only falls,
// or stays once no more start is possible, so each bucket's extremes lie
// where it begins or ends, just before a start or at one.
template <typename Deviation>
std::vector<CoursePoint> thinnedSteps(std::int64_t count, std::int64_t most,
                                      std::span<const std::int64_t> starts, Deviation deviation) {
    std::vector<CoursePoint> points;
    const std::int64_t buckets = std::max<std::int64_t>((most - 1) / 2, 1);
    std::size_t found = 0; // starts up to the x looked at
    for (std::int64_t b = 0; b < buckets; ++b) {
        const std::int64_t first = 1 + b * count / buckets;
        const std::int64_t last = (b + 1) * count / buckets;
        for (; found < starts.size() && starts[found] <= first; ++found) {
        }
        CoursePoint low{first, deviation(first, found)};
        CoursePoint high = low;
        const auto consider = [&](std::int64_t x, double y) {
            if (y < low.y) {
                low = {x, y};
            } else if (y > high.y) {
                high = {x, y};
            }
        };
        for (; found < starts.size() && starts[found] <= last; ++found) {
            const std::int64_t start = starts[found];
            if (start - 1 > first) {
                consider(start - 1, deviation(start - 1, found));
            }
            consider(start, deviation(start, found + 1));
        }
        consider(last, deviation(last, found));
        points.push_back(low.x <= high.x ? low : high);
        if (low.x != high.x) {
            points.push_back(low.x <= high.x ? high : low);
        }
    }
    if (points.back().x != count) {
        points.push_back({count, deviation(count, found)});
    }
    return points;
}

} // namespace

Course courseOf(const Figure& figure, std::span<const std::int64_t> starts, std::int64_t shown,
                std::int64_t runSpins, std::int64_t most) {
    Course course;
    if (figure.empty() || shown <= 0) {
        return course;
    }
    const double single = countMoments(figure, figure.span(), ZeroRule::Breaks).expected;
    const std::int64_t startable = std::max<std::int64_t>(runSpins - figure.span() + 1, 0);
    const auto deviation = [&](std::int64_t x, std::size_t found) {
        return static_cast<double>(found) - single * static_cast<double>(std::min(x, startable));
    };
    if (shown <= most) {
        std::size_t found = 0;
        course.deviation = thinned(shown, most, [&](std::int64_t x) {
            while (found < starts.size() && starts[found] <= x) {
                ++found;
            }
            return deviation(x, found);
        });
    } else {
        course.deviation = thinnedSteps(shown, most, starts, deviation);
    }
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
