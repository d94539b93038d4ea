#pragma once

#include "core/report.h"
#include "core/text_page.h"

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace sorvik1 {

// Paints lines of text on a painter that is open on `device`, page after page,
// in a 12-point sans face with one column per average character width. Where
// the page is too narrow for `columns` columns or for a line, the face shrinks
// until it fits, so nothing is cut off at the edge.
void paintReport(QPainter& painter, QPagedPaintDevice& device, const std::vector<PrintLine>& lines,
                 int columns = reportColumns);

} // namespace sorvik1
