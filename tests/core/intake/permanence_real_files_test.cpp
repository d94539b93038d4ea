#include "core/intake/permanence.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The example permanence is in the repository; the larger one only where
// the shared data folder is.
std::string realFile(const std::string& name) {
    const std::string example = std::string(SORVIK1_EXAMPLES) + "/" + name;
    return std::ifstream(example) ? example : std::string(SORVIK1_SHARED_DATA) + "/" + name;
}

// Reads a file whole; false when it is not there.
bool readFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// The numbers of a file in the casino's own layout, counted the simple way:
// CR LF lines, four header lines, "-" lines skipped, a "=" line ends the
// data, and every other line split at its commas.
std::vector<double> naiveSpins(const std::string& bytes) {
    std::vector<double> spins;
    std::istringstream lines(bytes);
    std::string line;
    for (int i = 0; i < 4; ++i) {
        std::getline(lines, line);
    }
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.starts_with('=')) {
            break;
        }
        if (line.starts_with('-')) {
            continue;
        }
        std::istringstream items(line);
        std::string item;
        while (std::getline(items, item, ',')) {
            spins.push_back(std::stoi(item));
        }
    }
    return spins;
}

struct RealFile {
    std::string name;
    std::size_t spins;
    std::vector<double> first;
    double last;
    std::string table;
};

void PrintTo(const RealFile& f, std::ostream* os) {
    *os << f.name;
}

class RealPermanence : public testing::TestWithParam<RealFile> {};

TEST_P(RealPermanence, LoadsEverySpinInOrder) {
    const RealFile& f = GetParam();
    std::string bytes;
    if (!readFile(realFile(f.name), bytes)) {
        GTEST_SKIP() << "shared data not present: " << f.name;
    }
    const sorvik1::Permanence p = sorvik1::parsePermanence(bytes);
    ASSERT_EQ(p.status, sorvik1::PermanenceStatus::Ok);
    ASSERT_EQ(p.spins.size(), f.spins);
    const std::vector<std::string> header = {"Spielbank Wiesbaden", f.table, "24.04.2019",
                                             "Permanenz"};
    EXPECT_EQ(p.header, header);
    for (std::size_t i = 0; i < f.first.size(); ++i) {
        EXPECT_EQ(p.spins[i], f.first[i]) << "spin " << i + 1;
    }
    EXPECT_EQ(p.spins.back(), f.last);
    for (const double spin : p.spins) {
        ASSERT_TRUE(spin >= 0 && spin <= 36 && spin == static_cast<int>(spin)) << spin;
    }
    EXPECT_EQ(p.spins, naiveSpins(bytes));
}

INSTANTIATE_TEST_SUITE_P(
    Wiesbaden, RealPermanence,
    testing::Values(
        RealFile{"wiesbaden-t1-2019-04-24.txt", 187'630, {12, 13, 16, 18, 0, 12, 4}, 18, "Tisch 1"},
        RealFile{"wiesbaden-t5-2019-04-24.txt", 748'116, {27, 22, 28, 5, 20}, 11, "Tisch 5"}),
    [](const auto& c) {
        return c.param.table == "Tisch 1" ? std::string("Table1") : std::string("Table5");
    });

} // namespace
