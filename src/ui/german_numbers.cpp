#include "ui/german_numbers.h"

#include "core/text/fixed_text.h"

#include <cmath>

namespace germannumbers {

const QLocale& locale() {
    static const QLocale german(QLocale::German, QLocale::Germany);
    return german;
}

namespace {

constexpr int percentDecimals = 2;

} // namespace

QString whole(std::int64_t value) {
    return locale().toString(static_cast<qlonglong>(value));
}

QString counted(std::int64_t value, const QString& one, const QString& many) {
    return whole(value) + QChar(' ') + (value == 1 ? one : many);
}

QString decimal(double value, int decimals) {
    if (!std::isfinite(value)) {
        return none;
    }
    return locale().toString(sorvik1::roundsToZero(value, decimals) ? 0.0 : value, 'f', decimals);
}

QString spins(double value) {
    if (!std::isfinite(value)) {
        return none;
    }
    return decimal(value, 2) + QStringLiteral(" Würfe");
}

QString percent(double share, int decimals) {
    return decimal(share * 100.0, decimals) + QStringLiteral(" %");
}

QString chance(double value) {
    if (!std::isfinite(value)) {
        return none;
    }
    const double step = std::pow(10.0, -percentDecimals) / 100.0;
    const QString text = percent(value, percentDecimals);
    if (value > 0.0 && text == percent(0.0, percentDecimals)) {
        return QStringLiteral("< ") + percent(step, percentDecimals);
    }
    if (text == percent(1.0, percentDecimals)) {
        return QStringLiteral("> ") + percent(1.0 - step, percentDecimals);
    }
    return text;
}

} // namespace germannumbers
