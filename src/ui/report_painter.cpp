#include "ui/report_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>

namespace sorvik1 {
namespace {

constexpr qreal preferredPointSize = 12;

// The face and the measures of one font size on the device.
struct PageFont {
    QFont font;
    qreal column = 0; // the average character width
    qreal lineSpacing = 0;
    qreal ascent = 0;
};

PageFont pageFont(qreal pointSize, QPaintDevice* device) {
    QFont font;
    // Faces Debian ships whose 90 columns fit an A4 or Letter page at 12 points.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    const QFontMetricsF metrics(font, device);
    return {font, metrics.averageCharWidth(), metrics.lineSpacing(), metrics.ascent()};
}

QFont spanFont(QFont font, const PrintSpan& span) {
    font.setBold(span.bold);
    font.setUnderline(span.underline);
    return font;
}

// Places the spans of a line and returns where the line ends. Characters of a
// proportional face can be wider than the average, so a span starts after the
// one before it at the latest and never overprints it.
template <typename Draw>
qreal layOutLine(const PrintLine& line, const PageFont& page, QPaintDevice* device, Draw draw) {
    qreal end = 0;
    for (const PrintSpan& span : line) {
        const QFont font = spanFont(page.font, span);
        const QString text = QString::fromStdString(span.text);
        const qreal x = std::max((span.column - 1) * page.column, end);
        draw(font, x, text);
        end = x + QFontMetricsF(font, device).horizontalAdvance(text);
    }
    return end;
}

PageFont fittingFont(const std::vector<PrintLine>& lines, int columns, QPaintDevice* device) {
    const qreal available = device->width();
    qreal pointSize = preferredPointSize;
    PageFont page = pageFont(pointSize, device);
    // Font sizes do not scale text widths exactly, so shrink until it fits.
    for (int attempt = 0; attempt < 10; ++attempt) {
        qreal needed = columns * page.column;
        for (const PrintLine& line : lines) {
            needed = std::max(needed, layOutLine(line, page, device, [](auto&&...) {}));
        }
        if (needed <= available) {
            break;
        }
        pointSize *= available / needed * 0.99;
        page = pageFont(pointSize, device);
    }
    return page;
}

} // namespace

namespace {

// The lines of each page at the face that fits the device.
std::vector<std::vector<PrintLine>> reportPages(const PageFont& page, QPagedPaintDevice& device,
                                                const std::vector<PrintLine>& lines) {
    const int linesPerPage =
        std::max(1, static_cast<int>(std::floor(device.height() / page.lineSpacing)));
    return paginate(lines, linesPerPage);
}

} // namespace

void paintReport(QPainter& painter, QPagedPaintDevice& device, const std::vector<PrintLine>& lines,
                 int columns,
                 const std::function<bool(std::size_t page, std::size_t pages)>& pageStarts) {
    const PageFont page = fittingFont(lines, columns, &device);
    const auto pages = reportPages(page, device, lines);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (pageStarts && !pageStarts(p, pages.size())) {
            return;
        }
        if (p > 0) {
            device.newPage();
        }
        for (std::size_t l = 0; l < pages[p].size(); ++l) {
            const qreal baseline = static_cast<qreal>(l) * page.lineSpacing + page.ascent;
            layOutLine(pages[p][l], page, &device,
                       [&](const QFont& font, qreal x, const QString& text) {
                           painter.setFont(font);
                           painter.drawText(QPointF(x, baseline), text);
                       });
        }
    }
}

std::size_t reportPageCount(QPagedPaintDevice& device, const std::vector<PrintLine>& lines,
                            int columns) {
    return reportPages(fittingFont(lines, columns, &device), device, lines).size();
}

} // namespace sorvik1
