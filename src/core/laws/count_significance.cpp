#include "core/laws/count_significance.h"

#include <algorithm>
#include <numeric>

namespace sorvik1 {

std::vector<double> holmAdjusted(std::span<const double> p) {
    std::vector<std::size_t> order(p.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return p[a] < p[b]; });
    std::vector<double> adjusted(p.size());
    double running = 0;
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        const double factor = static_cast<double>(p.size() - rank);
        running = std::max(running, std::min(1.0, factor * p[order[rank]]));
        adjusted[order[rank]] = running;
    }
    return adjusted;
}

const char* pValueMethodKey(PValueMethod method) {
    switch (method) {
    case PValueMethod::Exact:
        return "exakt";
    case PValueMethod::Saddlepoint:
        return "sattelpunkt";
    case PValueMethod::None:
        break;
    }
    return "keine";
}

} // namespace sorvik1
