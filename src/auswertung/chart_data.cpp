#include "auswertung/chart_data.h"

#include <algorithm>
#include <string_view>

namespace {

// Digits up to the next non-digit; none when there are none or too many.
std::optional<int> digits(std::string_view& text, std::size_t most) {
    std::size_t n = 0;
    int value = 0;
    for (; n < text.size() && n < most + 1 && text[n] >= '0' && text[n] <= '9'; ++n) {
        value = value * 10 + (text[n] - '0');
    }
    if (n == 0 || n > most) {
        return std::nullopt;
    }
    text.remove_prefix(n);
    return value;
}

bool skip(std::string_view& text, char separator) {
    if (text.empty() || text.front() != separator) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

} // namespace

// Read by hand: QDate::fromString is slow enough to hold the window for a
// moment over a hundred thousand files.
std::optional<QDate> headerDate(const sorvik1::FileEvaluation& file) {
    if (file.header.size() < 3) {
        return std::nullopt;
    }
    std::string_view text = file.header[2];
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    std::optional<int> year;
    std::optional<int> month;
    std::optional<int> day;
    std::string_view rest = text;
    if (const auto first = digits(rest, 4); first && rest.size() == text.size() - 4) {
        year = first;
        month = skip(rest, '-') ? digits(rest, 2) : std::nullopt;
        day = month && skip(rest, '-') ? digits(rest, 2) : std::nullopt;
    } else if (first) {
        day = first;
        month = skip(rest, '.') ? digits(rest, 2) : std::nullopt;
        year = month && skip(rest, '.') ? digits(rest, 4) : std::nullopt;
    }
    // A two-digit year could be either century: no date rather than a wrong one.
    if (!year || *year < 1000 || !month || !day || !rest.empty()) {
        return std::nullopt;
    }
    const QDate date(*year, *month, *day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

DatedDeviation cumulativeDeviation(const std::vector<const sorvik1::FileEvaluation*>& files) {
    DatedDeviation result;
    std::vector<std::pair<QDate, double>> dated;
    for (const auto* file : files) {
        if (const auto date = headerDate(*file)) {
            dated.emplace_back(*date, static_cast<double>(file->found) - file->moments.expected);
        } else {
            ++result.undated;
        }
    }
    std::stable_sort(dated.begin(), dated.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    double sum = 0;
    for (const auto& [date, deviation] : dated) {
        sum += deviation;
        if (!result.points.empty() && result.points.back().first == date) {
            result.points.back().second = sum;
        } else {
            result.points.emplace_back(date, sum);
        }
    }
    return result;
}

std::vector<QPointF> thinned(const std::vector<QPointF>& points, std::size_t most) {
    if (points.size() <= most || most < 2) {
        return points;
    }
    const std::size_t stretch = (points.size() + most / 2 - 1) / (most / 2);
    std::vector<QPointF> kept;
    for (std::size_t begin = 0; begin < points.size(); begin += stretch) {
        const auto first = points.begin() + static_cast<std::ptrdiff_t>(begin);
        const auto last =
            points.begin() + static_cast<std::ptrdiff_t>(std::min(points.size(), begin + stretch));
        const auto [low, high] = std::minmax_element(
            first, last, [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        // In the order they come, so the line does not run backwards.
        if (low < high) {
            kept.push_back(*low);
            kept.push_back(*high);
        } else {
            kept.push_back(*high);
            if (low != high) {
                kept.push_back(*low);
            }
        }
    }
    return kept;
}
