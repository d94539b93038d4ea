#include "failing_worker.h"

#include "core/batch/evaluation.h"
#include "core/scan/simulation.h"
#include "core/system/parallel_parts.h"
#include "core/wheel/figure_text.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> permanenceFiles(int count) {
    const fs::path folder = fs::temp_directory_path() / "sorvik1-worker-failure";
    fs::create_directories(folder);
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        const fs::path path = folder / (std::to_string(i) + ".txt");
        std::ofstream(path, std::ios::binary) << "Spielbank\r\nx\r\nx\r\nx\r\n1\r\n2\r\n3\r\n";
        paths.push_back(path.string());
    }
    return paths;
}

struct WorkerFailureCase {
    const char* name;
    std::function<void()> job;
};

class WorkerFailure : public testing::TestWithParam<WorkerFailureCase> {
  protected:
    void SetUp() override { failAllocationsOnWorkers(); }
    void TearDown() override { sorvik1::setAllocationFailure({}); }
};

// Memory running out on a worker reaches the caller as std::bad_alloc
// instead of ending the program.
TEST_P(WorkerFailure, ReachesTheCaller) {
    EXPECT_THROW(GetParam().job(), std::bad_alloc);
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, WorkerFailure,
    testing::Values(WorkerFailureCase{"Evaluation",
                                      [] {
                                          sorvik1::evaluateFiles(
                                              permanenceFiles(8), sorvik1::parseFigure("r").figure,
                                              sorvik1::ZeroRule::Breaks, {}, {}, 2);
                                      }},
                    WorkerFailureCase{"SimulationList",
                                      [] {
                                          sorvik1::simulate(sorvik1::parseFigure("r").figure,
                                                            2 * sorvik1::simulationSegmentSpins, 1,
                                                            2, sorvik1::ZeroRule::Breaks, true);
                                      }}),
    [](const auto& p) { return std::string(p.param.name); });

// The first failure is rethrown only after every other part has finished.
TEST(RunParts, RethrowsTheFailureAfterEveryPartStopped) {
    std::atomic<int> finished{0};
    EXPECT_THROW(sorvik1::runParts(4,
                                   [&](int part) {
                                       if (part == 2) {
                                           throw std::runtime_error("part 2");
                                       }
                                       std::this_thread::sleep_for(std::chrono::milliseconds(20));
                                       ++finished;
                                   }),
                 std::runtime_error);
    EXPECT_EQ(finished, 3);
}

} // namespace
