// Loading a permanence of the largest accepted size, against the cheapest
// pass over the same bytes that still finds every line: the ratio shows how
// much the parser costs beyond touching the file.
#include "core/intake/permanence.h"
#include "core/wheel/limits.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>

namespace {

// The casino's layout: four header lines, one number per CR LF line and a
// line of dashes where a printed column ended.
std::string largestPermanence() {
    std::string bytes = "Spielbank Hamburg\r\nTisch 1\r\n01.02.1999\r\nPermanenz\r\n";
    bytes.reserve(bytes.size() + sorvik1::maxSpins * 5);
    std::mt19937 random(1999);
    std::uniform_int_distribution<int> number(0, 36);
    for (std::size_t i = 0; i < sorvik1::maxSpins; ++i) {
        bytes += std::to_string(number(random));
        bytes += "\r\n";
        if (i % 40 == 39) {
            bytes += "-----\r\n";
        }
    }
    return bytes;
}

const std::string& file() {
    static const std::string bytes = largestPermanence();
    return bytes;
}

void loader(benchmark::State& state) {
    for (auto _ : state) {
        const sorvik1::Permanence p = sorvik1::parsePermanence(file());
        benchmark::DoNotOptimize(p.spins.data());
        if (p.spins.size() != sorvik1::maxSpins) {
            state.SkipWithError("the file did not load whole");
        }
    }
}

void scan(benchmark::State& state) {
    const char* const end = file().data() + file().size();
    for (auto _ : state) {
        std::size_t lines = 0;
        for (const char* p = file().data(); p < end; ++lines) {
            const void* lineEnd = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
            p = lineEnd ? static_cast<const char*>(lineEnd) + 1 : end;
        }
        benchmark::DoNotOptimize(lines);
    }
}

BENCHMARK(loader)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(scan)->Unit(benchmark::kMillisecond)->MinTime(0.5);

// Shows the usual table and keeps each benchmark's time per iteration.
class Recorder : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            times[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    file(); // built once, outside the timed runs
    Recorder recorder;
    benchmark::RunSpecifiedBenchmarks(&recorder);
    benchmark::Shutdown();
    if (recorder.times.count("loader") && recorder.times.count("scan")) {
        std::printf("ratio loader_vs_scan %.2f\n",
                    recorder.times["loader"] / recorder.times["scan"]);
    }
    return 0;
}
