#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace sorvik1::bench {

// Prints the usual console table and keeps the best wall-clock seconds per
// iteration of every benchmark over its repetitions, for the summary lines a
// program prints last. The best run is the one least disturbed by whatever
// else the machine is doing.
class SecondsReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0) {
                const auto& name = run.run_name;
                const double seconds =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
                auto [entry, added] = seconds_.try_emplace(
                    name.args.empty() ? name.function_name : name.function_name + "/" + name.args,
                    seconds);
                entry->second = added ? seconds : std::min(entry->second, seconds);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // A coloured table ends with its colour reset at the start of a fresh
    // line; ending that line lets the summary lines that follow start at the
    // margin, where ./bench looks for them.
    void Finalize() override {
        ConsoleReporter::Finalize();
        GetOutputStream() << '\n';
    }

    // By function name, then "/" and the arguments if any ("BM_Run/2");
    // 0 when the benchmark did not run.
    double secondsPerIteration(const std::string& name) const {
        const auto found = seconds_.find(name);
        return found == seconds_.end() ? 0.0 : found->second;
    }

  private:
    std::map<std::string, double> seconds_;
};

} // namespace sorvik1::bench
