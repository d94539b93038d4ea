// The trainer's texts on the command line need no display: over SSH or in a
// build log, --help, --version and --info answer and end, even where the
// window could not open.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace {

struct Answer {
    std::string output;
    int status = -1;
};

// Runs the trainer with no display to connect to: the X11 platform with
// neither an X nor a Wayland display set.
Answer withoutDisplay(const std::string& option) {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb " +
                                std::string(SORVIK1_TRAINER) + " " + option + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    Answer answer;
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe)) {
        answer.output += buffer;
    }
    answer.status = pipe ? pclose(pipe) : -1;
    return answer;
}

std::string fileText(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct TextOption {
    const char* name;
    const char* option;
    std::string expected; // the whole output, or a part of it
    bool whole;
};

class TextWithoutDisplay : public testing::TestWithParam<TextOption> {};

TEST_P(TextWithoutDisplay, IsAnsweredAndEndsWell) {
    const Answer answer = withoutDisplay(GetParam().option);
    EXPECT_EQ(answer.status, 0);
    if (GetParam().whole) {
        EXPECT_EQ(answer.output, GetParam().expected);
    } else {
        EXPECT_NE(answer.output.find(GetParam().expected), std::string::npos) << answer.output;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, TextWithoutDisplay,
    testing::Values(TextOption{"Version", "--version", "sorvik1 " SORVIK1_VERSION "\n", true},
                    TextOption{"Help", "--help", "--seed <N>", false},
                    TextOption{"Info", "--info", fileText(SORVIK1_INFO_FILE), true}),
    [](const auto& param) { return std::string(param.param.name); });

// Without a display the window does not open, so the answers above came
// without one.
TEST(TextWithoutDisplay, TheWindowStillNeedsADisplay) {
    EXPECT_NE(withoutDisplay("--seed 1").status, 0);
}

} // namespace
