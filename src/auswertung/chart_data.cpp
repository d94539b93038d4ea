#include "auswertung/chart_data.h"

#include <QString>

#include <algorithm>

std::optional<QDate> headerDate(const sorvik1::FileEvaluation& file) {
    if (file.header.size() < 3) {
        return std::nullopt;
    }
    const QString text = QString::fromStdString(file.header[2]).trimmed();
    for (const QString& format : {QStringLiteral("d.M.yyyy"), QStringLiteral("yyyy-MM-dd")}) {
        const QDate date = QDate::fromString(text, format);
        if (date.isValid()) {
            return date;
        }
    }
    return std::nullopt;
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
        result.points.emplace_back(date, sum);
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
