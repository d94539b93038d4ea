#pragma once

#include <nlohmann/json.hpp>

#include <cmath>

namespace sorvik1::analyse {

// A number for JSON: null where there is none (NaN, infinity), and never
// -0, which a reader would show as "-0".
inline nlohmann::ordered_json jsonNumber(double number) {
    if (!std::isfinite(number)) {
        return nullptr;
    }
    return number == 0.0 ? 0.0 : number;
}

} // namespace sorvik1::analyse
