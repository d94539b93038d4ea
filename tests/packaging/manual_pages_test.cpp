// The manual pages name exactly the options the programs' --help lists, in
// every language, so neither can change without the other.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace {

using Options = std::set<std::string>;

bool lowerLetter(char c) {
    return c >= 'a' && c <= 'z';
}

// Every "--name" in the text: two dashes, a letter, then letters and dashes.
Options longOptions(const std::string& text) {
    Options found;
    for (std::size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at)) {
        std::size_t end = at + 2;
        if (end >= text.size() || !lowerLetter(text[end])) {
            at += 1;
            continue;
        }
        while (end < text.size() && (lowerLetter(text[end]) || text[end] == '-')) {
            ++end;
        }
        found.insert(text.substr(at, end - at));
        at = end;
    }
    return found;
}

std::string helpOf(const std::string& program) {
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((program + " --help").c_str(), "r"),
                                                     pclose);
    std::string text;
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) {
        text += buffer;
    }
    return text;
}

// A page writes a dash as \- so that it is not hyphenated.
std::string pageText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream source;
    source << in.rdbuf();
    std::string text = source.str();
    for (std::size_t at = text.find("\\-"); at != std::string::npos; at = text.find("\\-", at)) {
        text.erase(at, 1);
    }
    return text;
}

struct Page {
    const char* name;
    const char* program;
    const char* path; // below the manual pages' folder
};

const Page pages[] = {
    {"TrainerGerman", SORVIK1_TRAINER, "de/sorvik1.1"},
    {"TrainerEnglish", SORVIK1_TRAINER, "en/sorvik1.1"},
    {"AnalyseGerman", SORVIK1_ANALYSE, "de/sorvik1-analyse.1"},
    {"AnalyseEnglish", SORVIK1_ANALYSE, "en/sorvik1-analyse.1"},
};

class ManualPage : public testing::TestWithParam<Page> {};

TEST_P(ManualPage, NamesEveryOptionOfTheHelpAndNoOther) {
    const Options help = longOptions(helpOf(GetParam().program));
    ASSERT_TRUE(help.contains("--version")) << "no help from " << GetParam().program;
    const Options page =
        longOptions(pageText(std::string(SORVIK1_MAN_PAGES) + "/" + GetParam().path));
    for (const std::string& option : help) {
        EXPECT_TRUE(page.contains(option)) << option << " is missing from the page";
    }
    for (const std::string& option : page) {
        EXPECT_TRUE(help.contains(option)) << option << " is on the page but not in --help";
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, ManualPage, testing::ValuesIn(pages),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
