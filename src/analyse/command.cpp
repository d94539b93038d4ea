#include "analyse/command.h"

#include "analyse/analysis.h"
#include "analyse/help.h"
#include "analyse/options.h"
#include "analyse/output.h"
#include "analyse/search_report.h"
#include "analyse/strategy_report.h"
#include "analyse/terminal_text.h"

#include <exception>
#include <new>

namespace sorvik1::analyse {

namespace {

constexpr const char* program = "sorvik1-analyse";

void write(std::ostream& out, const std::vector<SourceReport>& reports, const Options& options) {
    switch (options.format) {
    case OutputFormat::Text:
        writeText(out, reports, options);
        break;
    case OutputFormat::Csv:
        writeCsv(out, reports, options);
        break;
    case OutputFormat::Json:
        writeJson(out, reports, options);
        break;
    }
}

// Every output ends here: what could not be written is a failure, whether
// the disk is full or standard output was closed.
int finished(std::ostream& out, std::ostream& err, int status) {
    out.flush();
    if (!out) {
        complain(err, "Die Ausgabe ließ sich nicht schreiben.");
        return 1;
    }
    return status;
}

int analyse(const Options& options, std::ostream& out, std::ostream& err, bool errIsTerminal) {
    if (options.searchSpan) {
        return finished(out, err, runSearch(options, out, err, errIsTerminal));
    }
    if (options.strategy.active) {
        return finished(out, err, runStrategy(options, out, err));
    }
    std::vector<SourceReport> reports;
    int status = 0;
    if (options.spins) {
        reports.push_back(analyseSimulation(options));
    }
    for (const auto& path : options.files) {
        auto outcome = analyseFile(path, options);
        if (outcome.report) {
            reports.push_back(std::move(*outcome.report));
        } else {
            complain(err, path + ": " + outcome.error);
            status = 1;
        }
    }
    write(out, reports, options);
    return finished(out, err, status);
}

} // namespace

int runCommand(const std::vector<std::string_view>& arguments, std::ostream& out, std::ostream& err,
               bool errIsTerminal) {
    const ParsedOptions parsed = parseOptions(arguments);
    if (!parsed.error.empty()) {
        complain(err, parsed.error);
        err << "Hilfe: " << program << " --help\n";
        return 2;
    }
    const Options& options = parsed.options;
    if (options.help) {
        out << helpText();
        return finished(out, err, 0);
    }
    if (options.version) {
        out << program << ' ' << SORVIK1_VERSION << '\n';
        return finished(out, err, 0);
    }
    try {
        return analyse(options, out, err, errIsTerminal);
    } catch (const std::bad_alloc&) {
        std::string message = "Die Auswertung konnte aus Mangel an Speicher nicht ausgeführt "
                              "werden.";
        // Only the start spins kept for these grow with the occurrences;
        // without them a run needs little beyond the spins themselves.
        const std::string keeping = options.list && options.gaps ? "--liste und --abstaende"
                                    : options.list               ? "--liste"
                                    : options.gaps               ? "--abstaende"
                                                                 : "";
        if (!keeping.empty()) {
            message += " Mit " + keeping +
                       " werden alle Startwürfe behalten; bei sehr vielen Würfen kann das zu "
                       "viel werden. Ohne " +
                       keeping + " braucht die Auswertung weit weniger.";
        }
        complain(err, message);
    } catch (const std::exception& failure) {
        complain(err, std::string("Die Auswertung ist gescheitert: ") + failure.what());
    }
    return 1;
}

} // namespace sorvik1::analyse
