#include "analyse/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sorvik1::analyse::parseOptions;

sorvik1::analyse::ParsedOptions parse(const std::vector<std::string_view>& arguments) {
    return parseOptions(arguments);
}

struct Refused {
    std::vector<std::string_view> arguments;
    std::string mentions;
};

void PrintTo(const Refused& c, std::ostream* os) {
    for (const auto argument : c.arguments) {
        *os << argument << ' ';
    }
}

class RefusedCommandLine : public testing::TestWithParam<Refused> {};

TEST_P(RefusedCommandLine, SaysWhatIsWrong) {
    const auto parsed = parse(GetParam().arguments);
    EXPECT_NE(parsed.error.find(GetParam().mentions), std::string::npos) << parsed.error;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, RefusedCommandLine,
    testing::Values(
        Refused{{}, "--figur"}, Refused{{"--spins", "10"}, "--figur"},
        Refused{{"--figur", "rr"}, "--spins"},
        Refused{{"--figur", "rr", "--spins", "10", "a.txt"}, "nicht beides"},
        Refused{{"--figur", "rr", "--seed", "1", "a.txt"}, "--seed"},
        Refused{{"--figur", "rr", "--threads", "2", "a.txt"}, "--threads"},
        // Each chance reads its own letters and names them.
        Refused{{"--figur", "gg", "--spins", "9"}, "Rot/Schwarz: r, s"},
        Refused{{"--chance", "tief-hoch", "--figur", "rr", "--spins", "9"}, "Tief/Hoch: t, h"},
        Refused{{"--figur", "th", "--chance", "gerade-ungerade", "--spins", "9"},
                "Gerade/Ungerade: g, u"},
        Refused{{"--figur", "r", "--chance", "bunt", "--spins", "9"}, "tief-hoch"},
        Refused{{"--figur", "r", "--chance", "alle", "--spins", "9"}, "--suche"},
        Refused{{"--figur", "rx", "a.txt"}, "Position 2"},
        Refused{{"--figur", ".r", "a.txt"}, "besetzt"}, Refused{{"--figur"}, "braucht einen Wert"},
        Refused{{"--figur", "r", "--spins", "0"}, "--spins"},
        Refused{{"--figur", "r", "--spins", "-5"}, "--spins"},
        Refused{{"--figur", "r", "--spins", "1e6"}, "--spins"},
        Refused{{"--figur", "r", "--spins", "1000000000001"}, "--spins"},
        Refused{{"--figur", "r", "--spins", "9", "--seed", "x"}, "--seed"},
        Refused{{"--figur", "r", "--spins", "9", "--seed", "18446744073709551616"}, "--seed"},
        Refused{{"--figur", "r", "--spins", "9", "--threads", "0"}, "--threads"},
        Refused{{"--figur", "r", "--spins", "9", "--threads", "257"}, "--threads"},
        Refused{{"--figur", "r", "--null", "weg", "a.txt"}, "--null"},
        Refused{{"--figur", "r", "--format", "xml", "a.txt"}, "--format"},
        Refused{{"--figur", "r", "--liste=ja", "a.txt"}, "keinen Wert"},
        Refused{{"--figur", "r", "--schnell", "a.txt"}, "--schnell"},
        Refused{{"--figur", "r", "-x", "a.txt"}, "-x"}));

TEST(CommandLine, ReadsEveryOptionInBothSpellings) {
    const auto parsed =
        parse({"--figur=rr.s", "--spins", "100000000", "--seed=18446744073709551615", "--threads",
               "2", "--null", "ueberspringen", "--liste", "--format=json"});
    ASSERT_EQ(parsed.error, "");
    const auto& options = parsed.options;
    EXPECT_EQ(options.figure.span(), 4);
    EXPECT_EQ(options.spins, 100'000'000);
    EXPECT_EQ(options.seed, 18446744073709551615ULL);
    EXPECT_EQ(options.threads, 2);
    EXPECT_EQ(options.rule, sorvik1::ZeroRule::Skipped);
    EXPECT_TRUE(options.list);
    EXPECT_EQ(options.format, sorvik1::analyse::OutputFormat::Json);
}

TEST(CommandLine, FilesMayFollowOptionsOrADoubleDash) {
    const auto parsed = parse({"a.txt", "--figur", "r", "--", "--b.txt", "-"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.files, (std::vector<std::string>{"a.txt", "--b.txt", "-"}));
    EXPECT_EQ(parsed.options.rule, sorvik1::ZeroRule::Breaks);
    EXPECT_EQ(parsed.options.format, sorvik1::analyse::OutputFormat::Text);
}

TEST(CommandLine, HelpAndVersionNeedNothingElse) {
    EXPECT_TRUE(parse({"--help"}).options.help);
    EXPECT_EQ(parse({"--version"}).error, "");
    EXPECT_TRUE(parse({"--version"}).options.version);
}

} // namespace
