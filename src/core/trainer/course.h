#pragma once

#include "core/wheel/figure.h"

#include <cstdint>
#include <span>
#include <vector>

namespace sorvik1 {

struct CoursePoint {
    std::int64_t x = 0;
    double y = 0;
};

// At most about `most` points of value(1) .. value(count): consecutive x are
// taken together in buckets, and each bucket keeps its minimum and its
// maximum, in the order of x, so no extreme disappears from a line drawn
// through them; the last value is kept too, where the line ends. Short
// series are kept whole.
template <typename Value>
std::vector<CoursePoint> thinned(std::int64_t count, std::int64_t most, Value value) {
    std::vector<CoursePoint> points;
    if (count <= most) {
        for (std::int64_t x = 1; x <= count; ++x) {
            points.push_back({x, value(x)});
        }
        return points;
    }
    const std::int64_t buckets = std::max<std::int64_t>((most - 1) / 2, 1);
    for (std::int64_t b = 0; b < buckets; ++b) {
        const std::int64_t first = 1 + b * count / buckets;
        const std::int64_t last = (b + 1) * count / buckets;
        CoursePoint low{first, value(first)};
        CoursePoint high = low;
        for (std::int64_t x = first + 1; x <= last; ++x) {
            const double y = value(x);
            if (y < low.y) {
                low = {x, y};
            } else if (y > high.y) {
                high = {x, y};
            }
        }
        points.push_back(low.x <= high.x ? low : high);
        if (low.x != high.x) {
            points.push_back(low.x <= high.x ? high : low);
        }
    }
    if (points.back().x != count) {
        points.push_back({count, value(count)});
    }
    return points;
}

// The run's course: after each spin shown, the starts listed so far minus
// the exact expectation for them, thinned; and the standard deviation of
// that count at evenly spread spins, for the bands around it.
struct Course {
    std::vector<CoursePoint> deviation;
    std::vector<CoursePoint> standardDeviation;
};

// `starts` ascending spin numbers of the starts listed; the trainer lists a
// start once its spin is shown, when the occurrence ends within the run.
Course courseOf(const Figure& figure, std::span<const std::int64_t> starts, std::int64_t shown,
                std::int64_t runSpins, std::int64_t most = 2000);

} // namespace sorvik1
