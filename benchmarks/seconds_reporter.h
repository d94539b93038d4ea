#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace sorvik1::bench {

// Prints the usual console table and keeps the wall-clock seconds per
// iteration of every benchmark, for the summary lines a program prints last.
class SecondsReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0) {
                const auto& name = run.run_name;
                seconds_[name.args.empty() ? name.function_name
                                           : name.function_name + "/" + name.args] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
            }
        }
        ConsoleReporter::ReportRuns(runs);
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
