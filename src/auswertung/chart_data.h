#pragma once

#include "core/batch/evaluation.h"

#include <QDate>
#include <QPointF>

#include <optional>
#include <vector>

// The date a permanence's third header line gives ("24.04.2019",
// "4.5.2019" or "2019-04-24"); none when it gives none.
std::optional<QDate> headerDate(const sorvik1::FileEvaluation& file);

// Found minus expected, added up over the files in date order, one point
// per date with the files of that date added. Files without a date are left
// out.
struct DatedDeviation {
    std::vector<std::pair<QDate, double>> points;
    int undated = 0;
};
DatedDeviation cumulativeDeviation(const std::vector<const sorvik1::FileEvaluation*>& files);

// At most about `most` points of a long series: the lowest and the highest of
// each stretch, so that no outlier disappears.
std::vector<QPointF> thinned(const std::vector<QPointF>& points, std::size_t most);
