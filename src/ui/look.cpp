#include "ui/look.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

#include <cmath>

namespace look {

namespace {

// Relative luminance as the web's contrast rules define it.
double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

QColor readableOn(const QColor& back, const QColor& preferred) {
    const double a = luminance(back);
    const double b = luminance(preferred);
    const double contrast = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    // The common rule for body text asks for 4.5 : 1.
    if (contrast >= 4.5) {
        return preferred;
    }
    return a > 0.179 ? QColor(0, 0, 0) : QColor(255, 255, 255);
}

QFont font(double points, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                   QStringLiteral("Sans Serif")});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace look

namespace look {

QFont fitting(QFont font, const QStringList& lines, int width) {
    const auto fits = [&] {
        const QFontMetrics metrics(font);
        return std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
            return metrics.horizontalAdvance(line) <= width;
        });
    };
    // A few percent less spacing is hardly seen; a smaller size is the last resort.
    for (int spacing = 100; spacing >= 94 && !fits(); --spacing) {
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
    }
    while (!fits() && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    return font;
}

} // namespace look
