#include "strategie/strategy_texts.h"

#include "ui/german_numbers.h"

#include <cmath>

namespace strategytext {

namespace {

// A chance with four decimals of a percent: ruin chances are often tiny.
QString percent(double chance) {
    return germannumbers::percent(chance, 4);
}

QString simulatedBy(const sorvik1::SessionsLaw& law, std::uint64_t seed) {
    return QStringLiteral("simuliert: %1 Sitzungen, Startwert %2")
        .arg(germannumbers::whole(law.sessions), QString::number(seed));
}

QString chance(const sorvik1::StrategyTrialResult& result, std::uint64_t seed, double exact,
               const sorvik1::ChanceInterval& simulated) {
    if (result.exact) {
        return percent(exact) + QStringLiteral(" (exakt)");
    }
    if (!result.simulated) {
        return germannumbers::none;
    }
    return QStringLiteral("%1 (95 %-Intervall %2 bis %3; %4)")
        .arg(percent(simulated.estimate), percent(simulated.low), percent(simulated.high),
             simulatedBy(*result.simulated, seed));
}

} // namespace

QString amount(double units) {
    return germannumbers::decimal(units, std::floor(units) == units ? 0 : 1);
}

QString ruin(const sorvik1::StrategyTrialResult& result, std::uint64_t seed) {
    return chance(result, seed, result.exact ? result.exact->ruin : 0.0,
                  result.simulated ? result.simulated->ruin : sorvik1::ChanceInterval{});
}

QString target(const sorvik1::StrategyTrialResult& result, std::uint64_t seed) {
    return chance(result, seed, result.exact ? result.exact->target : 0.0,
                  result.simulated ? result.simulated->target : sorvik1::ChanceInterval{});
}

QString meanNet(const sorvik1::StrategyTrialResult& result, std::uint64_t seed) {
    if (result.exact) {
        return germannumbers::decimal(result.exact->meanNet, 4) + QStringLiteral(" (exakt)");
    }
    if (!result.simulated) {
        return germannumbers::none;
    }
    return QStringLiteral("%1 (%2)").arg(germannumbers::decimal(result.simulated->meanNet, 4),
                                         simulatedBy(*result.simulated, seed));
}

QString observed(const sorvik1::StrategyTrialResult& result, bool withTarget) {
    const auto& law = result.observed;
    QString text = QStringLiteral("Ruin in %1 von %2")
                       .arg(germannumbers::whole(law.ruined),
                            germannumbers::counted(law.sessions, QStringLiteral("Sitzung"),
                                                   QStringLiteral("Sitzungen")));
    if (withTarget) {
        text += QStringLiteral(", Ziel in %1").arg(germannumbers::whole(law.targetReached));
    }
    return text;
}

QString houseShare(sorvik1::ZeroPayout zero) {
    return QStringLiteral("Jede Wette verliert im Mittel 1/%1 ihres Einsatzes, gleich nach "
                          "welchem Plan: der Plan verändert das Risiko, nicht den Anteil der "
                          "Bank.")
        .arg(zero == sorvik1::ZeroPayout::Halved ? 74 : 37);
}

} // namespace strategytext
