#include "core/batch/evaluation.h"
#include "core/batch/evaluation_folder.h"
#include "core/intake/permanence.h"
#include "core/wheel/figure_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using sorvik1::ZeroRule;

int colourOf(int number) {
    static constexpr int reds[] = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                   19, 21, 23, 25, 27, 30, 32, 34, 36};
    if (number == 0) {
        return 0;
    }
    return std::find(std::begin(reds), std::end(reds), number) != std::end(reds) ? 1 : 2;
}

struct NaiveCount {
    std::int64_t positions = 0;
    std::int64_t found = 0;
    std::int64_t longestAbsence = 0;
};

// Start by start, the figure written as text ("r", "s", "."), over the
// colours that count.
NaiveCount naiveCount(const std::vector<double>& spins, const std::string& figure, ZeroRule rule) {
    std::vector<int> colours;
    for (const double spin : spins) {
        const int colour = colourOf(static_cast<int>(spin));
        if (colour != 0 || rule == ZeroRule::Breaks) {
            colours.push_back(colour);
        }
    }
    NaiveCount count;
    count.positions = static_cast<std::int64_t>(colours.size());
    std::int64_t sinceStart = 0;
    for (std::size_t s = 0; s < colours.size(); ++s) {
        bool starts = s + figure.size() <= colours.size();
        for (std::size_t k = 0; starts && k < figure.size(); ++k) {
            starts = figure[k] == '.' || (figure[k] == 'r' ? 1 : 2) == colours[s + k];
        }
        count.found += starts ? 1 : 0;
        sinceStart = starts ? 0 : sinceStart + 1;
        count.longestAbsence = std::max(count.longestAbsence, sinceStart);
    }
    return count;
}

class TempFolder {
  public:
    TempFolder() : path_(fs::temp_directory_path() / ("sorvik1-eval-" + std::to_string(getpid()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::permissions(path_, fs::perms::owner_all, ignored);
        fs::remove_all(path_, ignored);
    }
    std::string write(const std::string& name, const std::string& bytes) const {
        const fs::path file = path_ / name;
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

std::string permanenceText(const std::vector<double>& spins, const std::string& date) {
    std::string text = "Spielbank Test\r\nTisch 1\r\n" + date + "\r\nPermanenz\r\n";
    for (const double spin : spins) {
        text += std::to_string(static_cast<int>(spin)) + "\r\n";
    }
    return text;
}

std::vector<double> randomSpins(std::size_t count, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> number(0, 36);
    std::vector<double> spins(count);
    for (double& spin : spins) {
        spin = number(generator);
    }
    return spins;
}

sorvik1::Evaluation evaluate(const std::vector<std::string>& paths, const std::string& figure,
                             ZeroRule rule, int threads = 2) {
    return sorvik1::evaluateFiles(paths, sorvik1::parseFigure(figure).figure, rule, {}, {},
                                  threads);
}

struct CountCase {
    std::string name;
    std::string figure;
    ZeroRule rule;
};

class EvaluationCounts : public testing::TestWithParam<CountCase> {};

// Every file on its own against the start-by-start count, and the total as
// the plain sum: an occurrence never joins the end of one file to the next.
TEST_P(EvaluationCounts, MatchTheNaiveCountFilePerFile) {
    const CountCase& c = GetParam();
    TempFolder folder;
    std::vector<std::string> paths;
    std::vector<std::vector<double>> contents;
    for (unsigned i = 0; i < 7; ++i) {
        // Short files, one shorter than the figure, make the edges count.
        contents.push_back(randomSpins(i == 0 ? 2 : 300 * i + i, i));
        paths.push_back(folder.write("f" + std::to_string(i) + ".txt",
                                     permanenceText(contents.back(), "01.01.2020")));
    }
    const auto evaluation = evaluate(paths, c.figure, c.rule);
    ASSERT_EQ(evaluation.files.size(), paths.size());
    double expected = 0;
    double variance = 0;
    std::int64_t found = 0;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const auto& file = evaluation.files[i];
        const NaiveCount naive = naiveCount(contents[i], c.figure, c.rule);
        EXPECT_EQ(file.path, paths[i]);
        EXPECT_EQ(file.header,
                  (std::vector<std::string>{"Spielbank Test", "Tisch 1", "01.01.2020"}));
        EXPECT_EQ(file.spins, static_cast<std::int64_t>(contents[i].size()));
        EXPECT_EQ(file.positions, naive.positions) << i;
        EXPECT_EQ(file.found, naive.found) << i;
        EXPECT_EQ(file.longestAbsence, naive.longestAbsence) << i;
        const auto moments =
            sorvik1::countMoments(sorvik1::parseFigure(c.figure).figure, naive.positions, c.rule);
        EXPECT_EQ(file.moments.expected, moments.expected);
        expected += moments.expected;
        variance += moments.variance;
        found += naive.found;
    }
    const auto& total = evaluation.total;
    EXPECT_EQ(total.files, 7);
    EXPECT_EQ(total.found, found);
    EXPECT_DOUBLE_EQ(total.expected, expected);
    EXPECT_DOUBLE_EQ(total.variance, variance);
    EXPECT_DOUBLE_EQ(total.z, (static_cast<double>(found) - expected) / std::sqrt(variance));
}

INSTANTIATE_TEST_SUITE_P(Figures, EvaluationCounts,
                         testing::Values(CountCase{"red_breaks", "r", ZeroRule::Breaks},
                                         CountCase{"gapped_breaks", "rr.s", ZeroRule::Breaks},
                                         CountCase{"gapped_skipped", "rr.s", ZeroRule::Skipped},
                                         CountCase{"overlapping_skipped", "rrrrr",
                                                   ZeroRule::Skipped}),
                         [](const auto& param) { return param.param.name; });

// The real permanences, each with the count done start by start: the
// example, and the larger one where the shared data folder is.
TEST(EvaluationRealFiles, MatchTheNaiveCount) {
    std::vector<std::string> paths = {std::string(SORVIK1_EXAMPLES) +
                                      "/wiesbaden-t1-2019-04-24.txt"};
    std::int64_t spins = 187'630;
    if (const std::string t5 = std::string(SORVIK1_SHARED_DATA) + "/wiesbaden-t5-2019-04-24.txt";
        fs::exists(t5)) {
        paths.push_back(t5);
        spins += 748'116;
    }
    const auto evaluation = evaluate(paths, "rs.r", ZeroRule::Breaks);
    ASSERT_EQ(evaluation.files.size(), paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        std::ifstream in(paths[i], std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        const auto naive =
            naiveCount(sorvik1::parsePermanence(bytes).spins, "rs.r", ZeroRule::Breaks);
        EXPECT_EQ(evaluation.files[i].found, naive.found);
        EXPECT_EQ(evaluation.files[i].longestAbsence, naive.longestAbsence);
    }
    EXPECT_EQ(evaluation.total.spins, spins);
}

struct RefusalCase {
    std::string name;
    std::string bytes; // written as the file; empty name below for none
    std::string reasonPart;
};

class EvaluationRefusals : public testing::TestWithParam<RefusalCase> {};

// A bad file is listed with its reason; the good one beside it still counts.
TEST_P(EvaluationRefusals, ListTheFileAndEvaluateTheRest) {
    const RefusalCase& c = GetParam();
    TempFolder folder;
    const std::string good = folder.write("a.txt", permanenceText({1, 2, 3}, "1.1.2020"));
    std::string bad = (folder.path() / "b.txt").string();
    if (c.bytes == "<folder>") {
        fs::create_directories(bad);
    } else if (c.bytes == "<fifo>") {
        // Reading a pipe nobody writes to would wait for ever.
        ASSERT_EQ(mkfifo(bad.c_str(), 0600), 0);
    } else if (c.bytes != "<missing>") {
        folder.write("b.txt", c.bytes);
    }
    const auto evaluation = evaluate({bad, good}, "r", ZeroRule::Breaks);
    ASSERT_EQ(evaluation.refused.size(), 1u);
    EXPECT_EQ(evaluation.refused[0].path, bad);
    EXPECT_NE(evaluation.refused[0].reason.find(c.reasonPart), std::string::npos)
        << evaluation.refused[0].reason;
    ASSERT_EQ(evaluation.files.size(), 1u);
    EXPECT_EQ(evaluation.total.spins, 3);
}

INSTANTIATE_TEST_SUITE_P(BadFiles, EvaluationRefusals,
                         testing::Values(RefusalCase{"empty", "", "leer"},
                                         RefusalCase{"no_casino", "Hallo\n1\n", "Spielbank"},
                                         RefusalCase{"number_37", "Spielbank\nT\nD\nP\n5\n37\n",
                                                     "Zeile 6"},
                                         RefusalCase{"header_only", "Spielbank\nT\n", "Kopfzeilen"},
                                         RefusalCase{"folder", "<folder>", "Verzeichnis"},
                                         RefusalCase{"missing", "<missing>", "nicht vorhanden"},
                                         RefusalCase{"pipe", "<fifo>", "keine Datei"}),
                         [](const auto& param) { return param.param.name; });

// A stop keeps every finished file whole and leaves the rest out.
TEST(EvaluationStop, KeepsOnlyWholeFiles) {
    TempFolder folder;
    std::vector<std::string> paths;
    for (int i = 0; i < 40; ++i) {
        paths.push_back(
            folder.write(std::to_string(i) + ".txt", permanenceText(randomSpins(500, 1), "")));
    }
    std::stop_source stop;
    const auto evaluation = sorvik1::evaluateFiles(
        paths, sorvik1::parseFigure("rs").figure, ZeroRule::Breaks, stop.get_token(),
        [&](const sorvik1::EvaluationProgress& progress) {
            if (progress.filesDone == 3) {
                stop.request_stop();
            }
        },
        1);
    EXPECT_TRUE(evaluation.cancelled);
    ASSERT_EQ(evaluation.files.size(), 3u);
    EXPECT_EQ(evaluation.total.spins, 1500);
    EXPECT_EQ(evaluation.total.found, evaluation.files[0].found * 3);
}

TEST(EvaluationFolder, ListsTxtFilesOnceDespiteALinkLoop) {
    TempFolder folder;
    folder.write("b.txt", "x");
    folder.write("sub/a.TXT", "x");
    folder.write("sub/deeper/c.txt", "x");
    folder.write("notes.csv", "x");
    fs::create_directory_symlink(folder.path(), folder.path() / "sub" / "loop");
    const auto listing = sorvik1::permanenceFilesIn(folder.path().string(), {});
    const auto at = [&](const std::string& name) { return (folder.path() / name).string(); };
    EXPECT_EQ(listing.files,
              (std::vector<std::string>{at("b.txt"), at("sub/a.TXT"), at("sub/deeper/c.txt")}));
    EXPECT_TRUE(listing.refused.empty());
    EXPECT_TRUE(sorvik1::permanenceFilesIn((folder.path() / "none").string(), {}).files.empty());
}

// As root every folder is readable; the unreadable one, and the one that
// can be read but not entered, are tried as nobody.
TEST(EvaluationFolder, ListsAnUnreadableSubFolderAsRefused) {
    TempFolder folder;
    folder.write("ok/a.txt", "x");
    folder.write("closed/b.txt", "x");
    folder.write("readonly/c.txt", "x");
    fs::permissions(folder.path() / "closed", fs::perms::none);
    fs::permissions(folder.path() / "readonly",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (geteuid() == 0) {
        const char* nobody = std::getenv("SORVIK1_AS_NOBODY");
        if (nobody == nullptr) {
            const std::string command =
                "SORVIK1_AS_NOBODY=" + folder.path().string() +
                " setpriv --reuid=65534 --regid=65534 --clear-groups " +
                fs::read_symlink("/proc/self/exe").string() +
                " --gtest_filter=EvaluationFolder.ListsAnUnreadableSubFolderAsRefused "
                ">/dev/null 2>&1";
            const int status = std::system(command.c_str());
            if (status != 0 && WEXITSTATUS(status) == 127) {
                GTEST_SKIP() << "setpriv is not available";
            }
            EXPECT_EQ(status, 0);
        }
        return;
    }
    const char* given = std::getenv("SORVIK1_AS_NOBODY");
    const fs::path root = given != nullptr ? fs::path(given) : folder.path();
    const auto listing = sorvik1::permanenceFilesIn(root.string(), {});
    EXPECT_EQ(listing.files, std::vector<std::string>{(root / "ok" / "a.txt").string()});
    ASSERT_EQ(listing.refused.size(), 2u);
    EXPECT_EQ(listing.refused[0].path, (root / "closed").string());
    EXPECT_EQ(listing.refused[1].path, (root / "readonly").string());
}

} // namespace
