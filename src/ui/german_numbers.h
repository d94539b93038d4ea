#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

// Numbers as a German reader expects them: "1.234,56", "12,34 %".
namespace germannumbers {

// The locale of every German text: number fields, charts' axes, dates.
const QLocale& locale();

// Shown where a value does not exist, such as a z-value before any spin.
inline const QString none = QStringLiteral("–");

QString whole(std::int64_t value);
// A count with its noun in the right number: "1 Datei", "1.234 Dateien".
QString counted(std::int64_t value, const QString& one, const QString& many);
// With the given decimals; `none` when the value is not finite.
QString decimal(double value, int decimals);
// A share in percent with the given decimals: 0.75 reads "75,0 %" with one.
QString percent(double share, int decimals);
// A number of spins with its unit: "10,74 Würfe".
QString spins(double value);
// A chance in percent. Nothing reads as "100,00 %": a chance near certainty
// can round to exactly 1 in the sums that yield it, while a run of spins can
// always miss. Only an exact 0, a figure with no room, reads as "0,00 %";
// anything above it reads at least "< 0,01 %".
QString chance(double value);

} // namespace germannumbers
