#include "strategie/strategy_input.h"

#include "ui/german_numbers.h"

#include <QStringList>

#include <optional>

namespace {

using sorvik1::maxStrategyAmount;

// A positive whole number up to the largest amount, or nothing.
std::optional<std::int64_t> amount(const QString& text) {
    bool ok = false;
    const qlonglong value = germannumbers::locale().toLongLong(text.trimmed(), &ok);
    if (!ok || value < 1 || value > maxStrategyAmount) {
        return std::nullopt;
    }
    return value;
}

QString notAmount(const QString& what, const QString& text) {
    return QStringLiteral("%1 muss eine ganze Zahl von 1 bis %2 sein, nicht „%3“.")
        .arg(what, germannumbers::whole(maxStrategyAmount), text.trimmed());
}

// Reads an optional amount into `into`; the message when it is no amount.
QString readOptional(const QString& what, const QString& text, std::optional<std::int64_t>& into) {
    if (text.trimmed().isEmpty()) {
        into.reset();
        return {};
    }
    into = amount(text);
    return into ? QString() : notAmount(what, text);
}

QString readSeries(const QString& text, std::vector<std::int64_t>& series) {
    const QString refusal =
        QStringLiteral("Die eigene Reihe braucht 1 bis %1 Einsätze als Vielfache des "
                       "Grundeinsatzes, jeder eine ganze Zahl von 1 bis %2, durch Kommas "
                       "getrennt, zum Beispiel 1, 2, 4, 8.")
            .arg(sorvik1::maxOwnSeries)
            .arg(germannumbers::whole(maxStrategyAmount));
    const QStringList entries = text.split(QChar(','));
    if (text.trimmed().isEmpty() ||
        entries.size() > static_cast<qsizetype>(sorvik1::maxOwnSeries)) {
        return refusal;
    }
    for (const QString& entry : entries) {
        const auto value = amount(entry);
        if (!value) {
            return refusal;
        }
        series.push_back(*value);
    }
    return {};
}

} // namespace

std::variant<sorvik1::StrategySettings, QString> readStrategyFields(const StrategyFields& fields) {
    sorvik1::StrategySettings settings;
    settings.plan = fields.plan;
    settings.paroliStages = fields.paroliStages;
    settings.against = fields.against;
    settings.zero = fields.zero;
    const auto base = amount(fields.base);
    if (!base) {
        return notAmount(QStringLiteral("Der Grundeinsatz"), fields.base);
    }
    settings.base = *base;
    const auto capital = amount(fields.capital);
    if (!capital) {
        return notAmount(QStringLiteral("Das Kapital"), fields.capital);
    }
    settings.capital = *capital;
    for (const QString& refusal :
         {readOptional(QStringLiteral("Das Minimum"), fields.minimum, settings.minimum),
          readOptional(QStringLiteral("Das Maximum"), fields.maximum, settings.maximum),
          readOptional(QStringLiteral("Das Ziel"), fields.target, settings.target)}) {
        if (!refusal.isEmpty()) {
            return refusal;
        }
    }
    if (settings.plan == sorvik1::StakePlanKind::Reihe) {
        if (QString refusal = readSeries(fields.series, settings.series); !refusal.isEmpty()) {
            return refusal;
        }
    }
    // How the amounts stand to each other is the core's rule, worded there.
    if (const std::string refusal = sorvik1::strategyRefusal(settings); !refusal.empty()) {
        return QString::fromStdString(refusal);
    }
    return settings;
}
