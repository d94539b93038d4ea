#include "analyse/command.h"
#include "analyse/terminal_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using sorvik1::analyse::terminalSafe;
using sorvik1::analyse::validUtf8;

// What the terminal and the machine formats make of a text from outside.
TEST(TerminalText, EscapesWhatDoesNotPrintAndWhatIsNotUtf8) {
    const struct {
        const char* name;
        std::string text;
        const char* terminal;
        const char* machine;
    } cases[] = {
        {"escape and bell", "a\x1b]0;x\x07", "a\\x1B]0;x\\x07", "a\x1b]0;x\x07"},
        {"delete", "\x7f", "\\x7F", "\x7f"},
        {"invalid byte", "t\xe4.txt", "t\\xE4.txt", "t\\xE4.txt"},
        {"cut sequence", "\xe2\x82", "\\xE2\\x82", "\\xE2\\x82"},
        {"overlong slash", "\xc0\xaf", "\\xC0\\xAF", "\\xC0\\xAF"},
        {"surrogate", "\xed\xa0\x80", "\\xED\\xA0\\x80", "\\xED\\xA0\\x80"},
        {"C1 control", "\xc2\x9b", "\\u{009B}", "\xc2\x9b"},
        {"right-to-left override", "a\xe2\x80\xae", "a\\u{202E}", "a\xe2\x80\xae"},
        {"backslash", "a\\x1B", "a\\\\x1B", "a\\x1B"},
        {"printing UTF-8", "Spielbank Baden-Baden \xc3\xa4 \xe2\x82\xac \xf0\x9f\x8e\xb2",
         "Spielbank Baden-Baden \xc3\xa4 \xe2\x82\xac \xf0\x9f\x8e\xb2",
         "Spielbank Baden-Baden \xc3\xa4 \xe2\x82\xac \xf0\x9f\x8e\xb2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(terminalSafe(c.text), c.terminal) << c.name;
        EXPECT_EQ(validUtf8(c.text), c.machine) << c.name;
    }
}

struct Written {
    int status;
    std::string out;
    std::string err;
};

Written run(const std::vector<std::string>& arguments) {
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = sorvik1::analyse::runCommand(views, out, err);
    return {status, out.str(), err.str()};
}

// No mode lets a control byte through, neither in what it echoes nor in
// the names of the files it read or could not read.
TEST(TerminalText, NoModeWritesAControlByte) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("sorvik1-terminal-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string good = (folder / "t\x1b[2J\x07.txt").string();
    std::ofstream(good, std::ios::binary) << "Spielbank X\r\nT\r\nD\r\nP\r\n1\r\n2\r\n3\r\n";
    const std::string missing = (folder / "f\x1b]0;x\x07.txt").string();
    const Written written[] = {
        run({"--\x1b[2J"}),
        run({"--figur", "r\x1b"}),
        run({"--suche", "2", good, missing}),
        run({"--figur", "r", good, missing}),
    };
    std::filesystem::remove_all(folder);
    for (const auto& w : written) {
        EXPECT_EQ((w.out + w.err).find_first_of("\x1b\x07"), std::string::npos) << w.out << w.err;
        EXPECT_NE(w.status, 0);
    }
    EXPECT_NE(written[2].out.find("t\\x1B[2J\\x07.txt"), std::string::npos) << written[2].out;
    EXPECT_NE(written[2].err.find("f\\x1B]0;x\\x07.txt: "), std::string::npos) << written[2].err;
}

} // namespace
