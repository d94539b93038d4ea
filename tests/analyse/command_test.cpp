#include "analyse/command.h"

#include "../core/failing_worker.h"
#include "core/system/allocation_seam.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct MemoryCase {
    const char* name;
    std::vector<std::string_view> extra;
    bool namesList;
    bool namesGaps;
};

class MemoryShortage : public testing::TestWithParam<MemoryCase> {
  protected:
    void TearDown() override { sorvik1::setAllocationFailure({}); }
};

// Too little memory is an answer with exit status 1, and the hint names
// each option given that keeps every start.
TEST_P(MemoryShortage, IsReportedAndExitsWithOne) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("sorvik1-command-" + std::string(GetParam().name) + ".txt");
    std::ofstream(path, std::ios::binary) << "Spielbank\r\nx\r\nx\r\nx\r\n1\r\n";
    sorvik1::setAllocationFailure([](std::size_t) { return true; });
    std::vector<std::string_view> arguments{"--figur", "r"};
    arguments.insert(arguments.end(), GetParam().extra.begin(), GetParam().extra.end());
    const std::string file = path.string();
    arguments.push_back(file);
    std::ostringstream out;
    std::ostringstream err;

    EXPECT_EQ(sorvik1::analyse::runCommand(arguments, out, err), 1);
    std::filesystem::remove(path);
    EXPECT_NE(err.str().find("aus Mangel an Speicher"), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find("--liste") != std::string::npos, GetParam().namesList) << err.str();
    EXPECT_EQ(err.str().find("--abstaende") != std::string::npos, GetParam().namesGaps)
        << err.str();
}

// A simulation's worker that runs out of memory for the list is answered
// like the main thread running out.
TEST_F(MemoryShortage, OnASimulationWorkerIsReported) {
    failAllocationsOnWorkers();
    const std::vector<std::string_view> arguments{"--figur",   "r", "--spins", "3000000",
                                                  "--threads", "2", "--liste"};
    std::ostringstream out;
    std::ostringstream err;

    EXPECT_EQ(sorvik1::analyse::runCommand(arguments, out, err), 1);
    EXPECT_NE(err.str().find("aus Mangel an Speicher"), std::string::npos) << err.str();
}

INSTANTIATE_TEST_SUITE_P(Cases, MemoryShortage,
                         testing::Values(MemoryCase{"WithoutList", {}, false, false},
                                         MemoryCase{"WithList", {"--liste"}, true, false},
                                         MemoryCase{"WithGaps", {"--abstaende"}, false, true},
                                         MemoryCase{
                                             "WithBoth", {"--liste", "--abstaende"}, true, true}),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
