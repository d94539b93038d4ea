#pragma once

#include "core/print/report.h"
#include "core/print/text_page.h"

#include <cstddef>
#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace sorvik1 {

// Paints lines of text on a painter that is open on `device`, page after page,
// in a 12-point sans face with one column per average character width. Where
// the page is too narrow for `columns` columns or for a line, the face shrinks
// until it fits, so nothing is cut off at the edge.
// `pageStarts`, when given, is told before each page (0-based) how far the
// printout has come; when it returns false, painting stops there.
void paintReport(QPainter& painter, QPagedPaintDevice& device, const std::vector<PrintLine>& lines,
                 int columns = reportColumns,
                 const std::function<bool(std::size_t page, std::size_t pages)>& pageStarts = {});

// How many pages paintReport fills on `device`.
std::size_t reportPageCount(QPagedPaintDevice& device, const std::vector<PrintLine>& lines,
                            int columns = reportColumns);

} // namespace sorvik1
