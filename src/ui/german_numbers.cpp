#include "ui/german_numbers.h"

#include <QLocale>

#include <cmath>

namespace germannumbers {

namespace {

const QLocale& german() {
    static const QLocale locale(QLocale::German, QLocale::Germany);
    return locale;
}

constexpr int percentDecimals = 2;

} // namespace

QString whole(std::int64_t value) {
    return german().toString(static_cast<qlonglong>(value));
}

QString counted(std::int64_t value, const QString& one, const QString& many) {
    return whole(value) + QChar(' ') + (value == 1 ? one : many);
}

QString decimal(double value, int decimals) {
    if (!std::isfinite(value)) {
        return none;
    }
    // Rounding a small negative value must not leave a lone minus sign: "-0,00".
    const double rounded = std::round(value * std::pow(10.0, decimals));
    return german().toString(rounded == 0.0 ? 0.0 : value, 'f', decimals);
}

QString spins(double value) {
    if (!std::isfinite(value)) {
        return none;
    }
    return decimal(value, 2) + QStringLiteral(" Würfe");
}

QString chance(double value) {
    if (!std::isfinite(value)) {
        return none;
    }
    const auto percent = [](double p) {
        return decimal(p, percentDecimals) + QStringLiteral(" %");
    };
    const double step = std::pow(10.0, -percentDecimals);
    const QString text = percent(value * 100.0);
    if (value > 0.0 && text == percent(0.0)) {
        return QStringLiteral("< ") + percent(step);
    }
    if (text == percent(100.0)) {
        return QStringLiteral("> ") + percent(100.0 - step);
    }
    return text;
}

} // namespace germannumbers
