// sorvik1-analyse: a figure's count in simulated spins or permanence files,
// beside the exact statistics of chance. "--help" explains the options.

#include "analyse/analysis.h"
#include "analyse/help.h"
#include "analyse/options.h"
#include "analyse/output.h"
#include "analyse/search_report.h"

#include <exception>
#include <iostream>
#include <new>
#include <string_view>
#include <vector>

namespace {

using namespace sorvik1::analyse;

constexpr const char* program = "sorvik1-analyse";

void write(const std::vector<SourceReport>& reports, const Options& options) {
    switch (options.format) {
    case OutputFormat::Text:
        writeText(std::cout, reports, options);
        break;
    case OutputFormat::Csv:
        writeCsv(std::cout, reports, options);
        break;
    case OutputFormat::Json:
        writeJson(std::cout, reports, options);
        break;
    }
}

int analyseFigure(const Options& options) {
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
            std::cerr << program << ": " << path << ": " << outcome.error << '\n';
            status = 1;
        }
    }
    write(reports, options);
    return status;
}

int analyse(const Options& options) {
    const int status =
        options.searchSpan ? runSearch(options, std::cout, std::cerr) : analyseFigure(options);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << program << ": Die Ausgabe ließ sich nicht schreiben.\n";
        return 1;
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ParsedOptions parsed = parseOptions(arguments);
    if (!parsed.error.empty()) {
        std::cerr << program << ": " << parsed.error << "\nHilfe: " << program << " --help\n";
        return 2;
    }
    if (parsed.options.help) {
        std::cout << helpText();
        return 0;
    }
    if (parsed.options.version) {
        std::cout << program << ' ' << SORVIK1_VERSION << '\n';
        return 0;
    }
    try {
        return analyse(parsed.options);
    } catch (const std::bad_alloc&) {
        std::cerr << program
                  << ": Zu wenig Speicher (mit --liste und sehr vielen Würfen kann die "
                     "Liste der Startwürfe zu groß werden).\n";
    } catch (const std::exception& failure) {
        std::cerr << program << ": Die Auswertung ist gescheitert: " << failure.what() << '\n';
    }
    return 1;
}
