#include "ui/report_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

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

// Text widths of the page's face, measured once per distinct text. A long
// report has hundreds of thousands of lines, mostly spin numbers, and shaping
// each again would freeze the window for seconds. Where the face's digits
// all have one advance and no pair of them is kerned, a number's width
// depends only on where its digits are, so numbers share one entry.
class SpanWidths {
  public:
    SpanWidths(const QFont& font, QPaintDevice* device) {
        for (const bool bold : {false, true}) {
            QFont face = font;
            face.setBold(bold);
            const QFontMetricsF metrics(face, device);
            metrics_.push_back(metrics);
            tabular_.push_back(tabularDigits(metrics));
        }
    }

    qreal width(const PrintSpan& span, const QString& text) {
        const std::size_t face = span.bold ? 1 : 0;
        QString key = text;
        if (tabular_[face]) {
            for (QChar& c : key) {
                if (c.isDigit() && c.unicode() < 128) {
                    c = QLatin1Char('0');
                }
            }
        }
        auto& known = widths_[face];
        const auto found = known.constFind(key);
        if (found != known.constEnd()) {
            return *found;
        }
        const qreal measured = metrics_[face].horizontalAdvance(text);
        known.insert(key, measured);
        return measured;
    }

  private:
    // True when swapping one digit for another never changes a width: every
    // digit has the same advance, also beside any character a report holds.
    static bool tabularDigits(const QFontMetricsF& metrics) {
        QString neighbours = QStringLiteral("äöüÄÖÜß");
        for (char c = ' '; c <= '~'; ++c) {
            neighbours += QLatin1Char(c);
        }
        const auto pair = [](QChar first, QChar second) { return QString(first) + second; };
        const QChar zero = QLatin1Char('0');
        for (char d = '1'; d <= '9'; ++d) {
            const QChar digit = QLatin1Char(d);
            for (const QChar n : neighbours) {
                if (metrics.horizontalAdvance(pair(digit, n)) !=
                        metrics.horizontalAdvance(pair(zero, n)) ||
                    metrics.horizontalAdvance(pair(n, digit)) !=
                        metrics.horizontalAdvance(pair(n, zero))) {
                    return false;
                }
            }
        }
        return true;
    }

    std::vector<QFontMetricsF> metrics_;
    std::vector<bool> tabular_;
    std::array<QHash<QString, qreal>, 2> widths_;
};

// Places the spans of a line and returns where the line ends. Characters of a
// proportional face can be wider than the average, so a span starts after the
// one before it at the latest and never overprints it.
template <typename Draw>
qreal layOutLine(const PrintLine& line, const PageFont& page, SpanWidths& widths, Draw draw) {
    qreal end = 0;
    for (const PrintSpan& span : line) {
        const QString text = QString::fromStdString(span.text);
        const qreal x = std::max((span.column - 1) * page.column, end);
        draw(span, x, text);
        end = x + widths.width(span, text);
    }
    return end;
}

PageFont fittingFont(const std::vector<PrintLine>& lines, int columns, QPaintDevice* device) {
    const qreal available = device->width();
    qreal pointSize = preferredPointSize;
    PageFont page = pageFont(pointSize, device);
    // Font sizes do not scale text widths exactly, so shrink until it fits.
    for (int attempt = 0; attempt < 10; ++attempt) {
        SpanWidths widths(page.font, device);
        qreal needed = columns * page.column;
        for (const PrintLine& line : lines) {
            needed = std::max(needed, layOutLine(line, page, widths, [](auto&&...) {}));
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
    SpanWidths widths(page.font, &device);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (pageStarts && !pageStarts(p, pages.size())) {
            return;
        }
        if (p > 0) {
            device.newPage();
        }
        for (std::size_t l = 0; l < pages[p].size(); ++l) {
            const qreal baseline = static_cast<qreal>(l) * page.lineSpacing + page.ascent;
            layOutLine(pages[p][l], page, widths,
                       [&](const PrintSpan& span, qreal x, const QString& text) {
                           painter.setFont(spanFont(page.font, span));
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
