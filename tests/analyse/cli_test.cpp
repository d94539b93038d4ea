// The installed command as a user runs it, on files in a temporary folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class Cli : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("sorvik1-analyse-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string file(const std::string& name, const std::string& content) {
        std::ofstream(dir_ / name, std::ios::binary) << content;
        return "'" + (dir_ / name).string() + "'";
    }

    // `prefix` runs the command through another (setpriv); `output` replaces
    // the file standard output goes to.
    Outcome run(const std::string& arguments, const std::string& prefix = {},
                const std::string& output = {}) {
        const auto out = dir_ / "stdout";
        const auto err = dir_ / "stderr";
        const std::string command = prefix + std::string(SORVIK1_ANALYSE) + " " + arguments +
                                    (output.empty() ? " >'" + out.string() + "'" : output) +
                                    " 2>'" + err.string() + "'";
        Outcome result;
        const int raw = std::system(command.c_str());
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = read(out);
        result.err = read(err);
        return result;
    }

    static std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path dir_;
};

const std::string header = "Spielbank Wiesbaden\r\nTisch 1\r\n24.04.2019\r\nPermanenz\r\n";

std::string valueOf(const std::string& text, const std::string& label) {
    const auto at = text.find(label);
    if (at == std::string::npos) {
        return {};
    }
    const auto start = text.find_first_not_of(' ', at + label.size());
    return text.substr(start, text.find('\n', start) - start);
}

TEST_F(Cli, CountsAFileAndListsTheStarts) {
    // Spins 1 to 8: red, red, zero, black, red, black, black, red; then a
    // separator, the end mark, and a number that is never read.
    const auto path =
        file("t.txt", header + "1,3,0\r\n2,5\r\n4\r\n6\r\n7\r\n-----\r\n====\r\n12\r\n");
    const Outcome breaks = run("--figur r.s --liste " + path);
    EXPECT_EQ(breaks.status, 0) << breaks.err;
    EXPECT_EQ(valueOf(breaks.out, "Würfe"), "8");
    EXPECT_EQ(valueOf(breaks.out, "Vorkommen"), "2");
    EXPECT_NE(breaks.out.find("Startwürfe\n  2 5\n"), std::string::npos) << breaks.out;
    EXPECT_EQ(valueOf(breaks.out, "Kopf"), "Spielbank Wiesbaden / Tisch 1 / 24.04.2019");

    // Without the zero, spin 1 starts the figure too; the list keeps the
    // spin numbers of the file.
    const Outcome skipped = run("--figur r.s --null ueberspringen --liste " + path);
    EXPECT_EQ(valueOf(skipped.out, "Gezählte Würfe"), "7");
    EXPECT_EQ(valueOf(skipped.out, "Vorkommen"), "2");
    EXPECT_NE(skipped.out.find("Startwürfe\n  1 5\n"), std::string::npos) << skipped.out;
    // Distances and the longest absence count positions: spins 1 and 5 are
    // three apart, and the absence after spin 5 starts at counted spin 5.
    const Outcome gaps = run("--figur r.s --null ueberspringen --abstaende " + path);
    EXPECT_NE(gaps.out.find("\n  3: 1 / "), std::string::npos) << gaps.out;
    EXPECT_EQ(valueOf(gaps.out, "Längster Ausbleiber ab gezähltem Wurf"), "5");
}

TEST_F(Cli, RefusedFileIsNamedWithItsReasonAndTheOthersAreStillCounted) {
    const auto bad = file("bad.txt", header + "12\r\n37\r\n");
    const auto good = file("good.txt", header + "1\r\n");
    const Outcome result =
        run(bad + " --figur r " + good + " '" + (dir_ / "missing.txt").string() + "'");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("bad.txt: In Zeile 6 steht die Zahl 37"), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("missing.txt: Die Datei ist nicht vorhanden."), std::string::npos);
    EXPECT_NE(result.out.find("good.txt"), std::string::npos);
    EXPECT_EQ(result.out.find("bad.txt"), std::string::npos);
}

// The CSV row of a single source without its thread count (third column).
std::vector<std::string> rowWithoutThreads(const std::string& csv) {
    std::vector<std::string> cells;
    std::istringstream row(csv.substr(csv.find("\r\n") + 2));
    for (std::string cell; std::getline(row, cell, ',');) {
        cells.push_back(cell);
    }
    cells.erase(cells.begin() + 2);
    return cells;
}

TEST_F(Cli, SimulationIsReproducibleWhateverTheThreads) {
    const Outcome one = run("--figur rr.s --spins 3000000 --seed 42 --threads 1 --format csv");
    const Outcome two = run("--figur rr.s --spins 3000000 --seed 42 --threads 2 --format csv");
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(rowWithoutThreads(one.out), rowWithoutThreads(two.out));
    EXPECT_NE(one.out.find("\r\nSimulation,42,1,rr.s,bricht,3000000,3000000,"), std::string::npos)
        << one.out;
    EXPECT_NE(two.out.find("\r\nSimulation,42,2,"), std::string::npos);
}

TEST_F(Cli, WrongCallsExitWithTwoAndPointToHelp) {
    for (const char* arguments :
         {"", "--figur rx --spins 5", "--figur r", "--spins 5 --figur r x.txt"}) {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_NE(result.err.find("--help"), std::string::npos) << arguments;
        EXPECT_EQ(result.out, "");
    }
    const Outcome help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Beispiele:"), std::string::npos);
    EXPECT_EQ(run("--version").out, "sorvik1-analyse " SORVIK1_VERSION "\n");
}

TEST_F(Cli, HelpAndVersionThatCannotBeWrittenExitWithOne) {
    for (const char* arguments : {"--help", "--version"}) {
        for (const char* output : {" >/dev/full", " >&-"}) {
            const Outcome result = run(arguments, {}, output);
            EXPECT_EQ(result.status, 1) << arguments << output;
            EXPECT_NE(result.err.find("Die Ausgabe ließ sich nicht schreiben."), std::string::npos)
                << arguments << output;
        }
    }
}

// Root reads every file; the unreadable file is tried as the user nobody.
TEST_F(Cli, FilesThatCannotBeReadAreRefusedAtOnceInGerman) {
    std::string asUser;
    if (::geteuid() == 0) {
        if (std::system("command -v setpriv >/dev/null") != 0) {
            GTEST_SKIP() << "setpriv is needed to run as an unprivileged user";
        }
        asUser = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
        fs::permissions(dir_, fs::perms::all);
    }
    const auto locked = file("locked.txt", header + "1\r\n");
    fs::permissions(dir_ / "locked.txt", fs::perms::owner_write);
    fs::create_symlink("/dev/zero", dir_ / "zero.txt");
    const Outcome result =
        run("--figur r " + locked + " '" + (dir_ / "zero.txt").string() + "'", asUser);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("locked.txt: Es fehlt die Berechtigung, die Datei zu lesen."),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("zero.txt: Das ist ein Gerät, keine Datei."), std::string::npos)
        << result.err;
}

TEST_F(Cli, RealPermanenceGivesTheIndependentCount) {
    const fs::path data = fs::path(SORVIK1_EXAMPLES) / "wiesbaden-t1-2019-04-24.txt";
    // Counted over the file's numbers by a separate script.
    const Outcome result = run("--figur rr.s --format json '" + data.string() + "'");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("\"wuerfe\": 187630,"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\"vorkommen\": 21531,"), std::string::npos);
}

} // namespace
