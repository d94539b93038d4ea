#include "analyse/strategy_options.h"

#include "analyse/options.h"

#include <charconv>

namespace sorvik1::analyse {

namespace {

constexpr std::string_view flags[] = {"--gegen", "--teilung"};
constexpr std::string_view valued[] = {"--strategie", "--einsatz", "--reihe",   "--paroli-stufen",
                                       "--kapital",   "--minimum", "--maximum", "--ziel",
                                       "--sitzungen", "--wetten"};

bool among(std::string_view name, auto& names) {
    for (const std::string_view n : names) {
        if (n == name) {
            return true;
        }
    }
    return false;
}

// A positive whole number up to `most`, in plain digits; nothing otherwise.
std::optional<std::int64_t> positive(std::string_view text, std::int64_t most) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, value);
    const bool digitsOnly = !text.empty() && text.front() != '-' && text.front() != '+';
    if (!digitsOnly || parsed.ec != std::errc{} || parsed.ptr != end || value < 1 || value > most) {
        return std::nullopt;
    }
    return value;
}

std::string notPositive(std::string_view name, std::string_view value, std::int64_t most) {
    return std::string(name) + " erwartet eine ganze Zahl von 1 bis " + std::to_string(most) +
           ", nicht \"" + std::string(value) + "\".";
}

std::optional<StakePlanKind> planNamed(std::string_view name) {
    if (name == "masse") {
        return StakePlanKind::Masse;
    }
    if (name == "martingale") {
        return StakePlanKind::Martingale;
    }
    if (name == "dalembert") {
        return StakePlanKind::DAlembert;
    }
    if (name == "paroli") {
        return StakePlanKind::Paroli;
    }
    if (name == "reihe") {
        return StakePlanKind::Reihe;
    }
    return std::nullopt;
}

std::string readSeries(StrategySettings& settings, std::string_view value) {
    settings.series.clear();
    const std::string refusal =
        "--reihe erwartet 1 bis " + std::to_string(maxOwnSeries) +
        " Einsätze als Vielfache des Grundeinsatzes, jeder eine ganze Zahl von 1 bis " +
        std::to_string(maxStrategyAmount) + ", durch Kommas getrennt, zum Beispiel 1,2,4,8.";
    for (std::size_t at = 0; at <= value.size();) {
        const std::size_t comma = std::min(value.find(',', at), value.size());
        const auto entry = positive(value.substr(at, comma - at), maxStrategyAmount);
        if (!entry || settings.series.size() == maxOwnSeries) {
            return refusal;
        }
        settings.series.push_back(*entry);
        at = comma + 1;
    }
    return {};
}

} // namespace

bool isStrategyFlag(std::string_view name) {
    return among(name, flags);
}

bool isStrategyValued(std::string_view name) {
    return among(name, valued);
}

std::string readStrategyOption(StrategyOptions& strategy, std::string_view name,
                               std::string_view value) {
    if (strategy.firstGiven.empty()) {
        strategy.firstGiven = std::string(name);
    }
    StrategySettings& s = strategy.settings;
    if (name == "--gegen") {
        s.against = true;
        return {};
    }
    if (name == "--teilung") {
        s.zero = ZeroPayout::Halved;
        return {};
    }
    if (name == "--strategie") {
        const auto plan = planNamed(value);
        if (!plan) {
            return "--strategie erwartet masse, martingale, dalembert, paroli oder reihe.";
        }
        strategy.active = true;
        s.plan = *plan;
        return {};
    }
    if (name == "--reihe") {
        strategy.seriesGiven = true;
        return readSeries(s, value);
    }
    const std::int64_t most = name == "--paroli-stufen" ? maxParoliStages
                              : name == "--sitzungen"   ? maxStrategySessions
                              : name == "--wetten"      ? maxSimulatedSpins
                                                        : maxStrategyAmount;
    const auto number = positive(value, most);
    if (!number) {
        return notPositive(name, value, most);
    }
    if (name == "--einsatz") {
        s.base = *number;
    } else if (name == "--paroli-stufen") {
        strategy.stagesGiven = true;
        s.paroliStages = static_cast<int>(*number);
    } else if (name == "--kapital") {
        s.capital = *number;
    } else if (name == "--minimum") {
        s.minimum = *number;
    } else if (name == "--maximum") {
        s.maximum = *number;
    } else if (name == "--ziel") {
        s.target = *number;
    } else if (name == "--sitzungen") {
        strategy.sessions = *number;
    } else {
        strategy.bets = *number;
    }
    return {};
}

std::string strategyCombinationError(const Options& options) {
    const StrategyOptions& strategy = options.strategy;
    if (!strategy.active) {
        return strategy.firstGiven + " gilt nur für den Strategietest mit --strategie.";
    }
    if (options.searchSpan || options.list || options.gaps) {
        return std::string(options.searchSpan ? "--suche"
                           : options.list     ? "--liste"
                                              : "--abstaende") +
               " gilt nicht für den Strategietest.";
    }
    if (options.figureText.empty()) {
        return "Welche Figur? Der Strategietest setzt auf eine Figur: --figur fehlt, zum "
               "Beispiel --figur rr.s.";
    }
    if (options.rule == ZeroRule::Skipped) {
        return "Der Strategietest setzt, wie die Übung, nur auf Figuren, die eine Null bricht; "
               "--null ueberspringen gilt nicht für ihn.";
    }
    if (strategy.settings.capital == 0) {
        return "Mit welchem Kapital? --kapital fehlt, zum Beispiel --kapital 100.";
    }
    if (strategy.seriesGiven != (strategy.settings.plan == StakePlanKind::Reihe)) {
        return strategy.seriesGiven ? "--reihe gilt nur für --strategie reihe."
                                    : "--strategie reihe braucht die Einsätze mit --reihe, zum "
                                      "Beispiel --reihe 1,2,4,8.";
    }
    if (strategy.stagesGiven && strategy.settings.plan != StakePlanKind::Paroli) {
        return "--paroli-stufen gilt nur für --strategie paroli.";
    }
    if (const std::string refusal = strategyRefusal(strategy.settings); !refusal.empty()) {
        return refusal;
    }
    const bool files = !options.files.empty();
    if (files && (strategy.sessions || options.spins || strategy.bets)) {
        return "Entweder Permanenzdateien (jede eine Sitzung) oder zufällige Sitzungen mit "
               "--sitzungen, nicht beides.";
    }
    if (!files && !strategy.sessions) {
        return "Nichts zu tun: --sitzungen mit --spins oder --wetten für zufällige Sitzungen "
               "oder Permanenzdateien angeben.";
    }
    if (!files && options.spins.has_value() == strategy.bets.has_value()) {
        return "Zufällige Sitzungen dauern entweder --spins Würfe oder --wetten Wetten; genau "
               "eines von beiden angeben.";
    }
    return {};
}

} // namespace sorvik1::analyse
