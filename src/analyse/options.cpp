#include "analyse/options.h"

#include "core/batch/window_counter.h"
#include "core/wheel/figure_text.h"

#include <charconv>
#include <limits>

namespace sorvik1::analyse {

namespace {

// A whole decimal number within [least, most], digits only.
template <typename Number>
std::optional<Number> wholeNumber(std::string_view text, Number least, Number most) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '-' || error != std::errc{} ||
        end != text.data() + text.size() || value < least || value > most) {
        return std::nullopt;
    }
    return value;
}

class Parser {
  public:
    explicit Parser(std::span<const std::string_view> arguments) : arguments_(arguments) {}

    ParsedOptions run() {
        for (next_ = 0; next_ < arguments_.size() && error_.empty();) {
            const std::string_view argument = arguments_[next_++];
            if (argument == "--") {
                while (next_ < arguments_.size()) {
                    options_.files.emplace_back(arguments_[next_++]);
                }
            } else if (argument.starts_with("--")) {
                option(argument);
            } else if (argument.starts_with("-") && argument.size() > 1) {
                fail("Unbekannte Option " + std::string(argument) + ".");
            } else {
                options_.files.emplace_back(argument);
            }
        }
        if (error_.empty() && !options_.help && !options_.version) {
            check();
        }
        return {std::move(options_), std::move(error_)};
    }

  private:
    void option(std::string_view argument) {
        const auto equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        std::optional<std::string_view> inlineValue;
        if (equals != std::string_view::npos) {
            inlineValue = argument.substr(equals + 1);
        }
        if (name == "--luecken" || name == "--lücken") {
            options_.withFreePositions = true;
            flagOnly(name, inlineValue);
            return;
        }
        if (isStrategyFlag(name)) {
            flagOnly(name, inlineValue);
            fail(readStrategyOption(options_.strategy, name, {}));
            return;
        }
        if (name == "--help" || name == "--version" || name == "--liste" || name == "--abstaende") {
            if (inlineValue) {
                fail(std::string(name) + " nimmt keinen Wert.");
            }
            if (name == "--help") {
                options_.help = true;
            } else if (name == "--version") {
                options_.version = true;
            } else if (name == "--liste") {
                options_.list = true;
            } else {
                options_.gaps = true;
            }
            return;
        }
        if (name != "--figur" && name != "--spins" && name != "--seed" && name != "--threads" &&
            name != "--null" && name != "--format" && name != "--suche" && name != "--top" &&
            name != "--chance" && !isStrategyValued(name)) {
            fail("Unbekannte Option " + std::string(name) + ".");
            return;
        }
        if (!inlineValue && next_ == arguments_.size()) {
            fail(std::string(name) + " braucht einen Wert.");
            return;
        }
        valued(name, inlineValue ? *inlineValue : arguments_[next_++]);
    }

    void valued(std::string_view name, std::string_view value) {
        if (name == "--figur") {
            // Read once the chance is known, which may come later.
            options_.figureText = std::string(value);
        } else if (name == "--chance") {
            chance(value);
        } else if (name == "--spins") {
            options_.spins = wholeNumber<std::int64_t>(value, 1, maxSimulatedSpins);
            if (!options_.spins) {
                fail("--spins erwartet eine ganze Zahl von 1 bis " +
                     std::to_string(maxSimulatedSpins) + ", nicht \"" + std::string(value) + "\".");
            }
        } else if (name == "--seed") {
            options_.seed =
                wholeNumber<std::uint64_t>(value, 0, std::numeric_limits<std::uint64_t>::max());
            if (!options_.seed) {
                fail("--seed erwartet eine ganze Zahl von 0 bis " +
                     std::to_string(std::numeric_limits<std::uint64_t>::max()) + ".");
            }
        } else if (name == "--threads") {
            options_.threads = wholeNumber<int>(value, 1, maxThreads);
            if (!options_.threads) {
                fail("--threads erwartet eine ganze Zahl von 1 bis " + std::to_string(maxThreads) +
                     ".");
            }
        } else if (name == "--suche" || name == "--top") {
            searchNumber(name, value);
        } else if (name == "--null") {
            zeroRule(value);
        } else if (isStrategyValued(name)) {
            fail(readStrategyOption(options_.strategy, name, value));
        } else {
            format(value);
        }
    }

    void zeroRule(std::string_view value) {
        if (value == "bricht") {
            options_.rule = ZeroRule::Breaks;
        } else if (value == "ueberspringen" || value == "überspringen") {
            options_.rule = ZeroRule::Skipped;
        } else {
            fail("--null erwartet bricht oder ueberspringen.");
        }
    }

    void chance(std::string_view value) {
        options_.everyChance = value == "alle";
        if (const auto named = chanceOfKey(value)) {
            options_.chance = *named;
        } else if (!options_.everyChance) {
            fail("--chance erwartet rot-schwarz, gerade-ungerade, tief-hoch oder (mit --suche) "
                 "alle.");
        }
    }

    void format(std::string_view value) {
        if (value == "text") {
            options_.format = OutputFormat::Text;
        } else if (value == "csv") {
            options_.format = OutputFormat::Csv;
        } else if (value == "json") {
            options_.format = OutputFormat::Json;
        } else {
            fail("--format erwartet text, csv oder json.");
        }
    }

    void flagOnly(std::string_view name, std::optional<std::string_view> inlineValue) {
        if (inlineValue) {
            fail(std::string(name) + " nimmt keinen Wert.");
        }
    }

    void searchNumber(std::string_view name, std::string_view value) {
        if (name == "--suche") {
            options_.searchSpan = wholeNumber<int>(value, 1, maxSearchSpan);
            if (!options_.searchSpan) {
                fail("--suche erwartet die längste Spannweite, eine ganze Zahl von 1 bis " +
                     std::to_string(maxSearchSpan) + ", nicht \"" + std::string(value) + "\".");
            }
        } else {
            options_.top = wholeNumber<int>(value, 1, std::numeric_limits<int>::max());
            if (!options_.top) {
                fail("--top erwartet eine ganze Zahl ab 1, nicht \"" + std::string(value) + "\".");
            }
        }
    }

    // The search judges every figure itself: a figure of its own is refused.
    void checkSearch() {
        if (!options_.figureText.empty()) {
            fail("--suche und --figur schließen sich aus: die Suche prüft alle Figuren selbst.");
        } else if (options_.list) {
            fail("--suche und --liste schließen sich aus: die Liste der Startwürfe gehört zu "
                 "einer einzelnen Figur (--figur).");
        } else if (options_.gaps) {
            fail("--suche und --abstaende schließen sich aus: die Abstände zwischen den "
                 "Vorkommen gehören zu einer einzelnen Figur (--figur).");
        }
    }

    void check() {
        if (options_.everyChance && !options_.searchSpan) {
            fail("--chance alle gilt nur für die Suche mit --suche; für eine Figur eine Chance "
                 "wählen.");
        }
        if (!options_.figureText.empty()) {
            const auto parsed = parseFigure(options_.figureText, options_.chance);
            options_.figure = parsed.figure;
            if (!parsed.error.empty()) {
                fail(parsed.error);
            }
        }
        if (!options_.strategy.firstGiven.empty()) {
            fail(strategyCombinationError(options_));
            return;
        }
        if (options_.searchSpan) {
            checkSearch();
        } else if (options_.withFreePositions || options_.top) {
            fail(std::string(options_.withFreePositions ? "--luecken" : "--top") +
                 " gilt nur für die Figurensuche mit --suche.");
        } else if (options_.figureText.empty()) {
            fail("Welche Figur? --figur fehlt, zum Beispiel --figur rr.s.");
        }
        checkSource();
    }

    void checkSource() {
        if (options_.spins && !options_.files.empty()) {
            fail("Entweder --spins (Simulation) oder Permanenzdateien, nicht beides.");
        } else if (!options_.spins && options_.files.empty()) {
            fail("Nichts zu tun: --spins für eine Simulation oder Permanenzdateien angeben.");
        } else if (!options_.spins && options_.seed) {
            fail("--seed gilt nur für die Simulation mit --spins.");
        } else if (!options_.spins && options_.threads && !options_.searchSpan) {
            fail("--threads gilt nur für die Simulation mit --spins und für die Suche.");
        }
    }

    void fail(std::string message) {
        if (error_.empty()) {
            error_ = std::move(message);
        }
    }

    std::span<const std::string_view> arguments_;
    std::size_t next_ = 0;
    Options options_;
    std::string error_;
};

} // namespace

ParsedOptions parseOptions(std::span<const std::string_view> arguments) {
    return Parser(arguments).run();
}

} // namespace sorvik1::analyse
