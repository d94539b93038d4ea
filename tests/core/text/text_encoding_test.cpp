#include "core/text/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    std::string name;
    std::string bytes;
    std::string utf8;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class FileTextToUtf8 : public testing::TestWithParam<Case> {};

TEST_P(FileTextToUtf8, DecodesForDisplay) {
    EXPECT_EQ(sorvik1::fileTextToUtf8(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FileTextToUtf8,
    testing::Values(Case{"Empty", "", ""}, Case{"Ascii", "Spielbank Hamburg", "Spielbank Hamburg"},
                    Case{"Utf8Kept", "K\xC3\xB6ln \xE2\x82\xAC", "K\xC3\xB6ln \xE2\x82\xAC"},
                    Case{"FourByteUtf8Kept", "\xF0\x9F\x8E\xB2", "\xF0\x9F\x8E\xB2"},
                    Case{"Windows1252Umlaut", "K\xF6ln", "K\xC3\xB6ln"},
                    Case{"Windows1252Euro", "\x80", "\xE2\x82\xAC"},
                    Case{"Windows1252Quotes", "\x84x\x93", "\xE2\x80\x9Ex\xE2\x80\x9C"},
                    Case{"UndefinedByte", "a\x81", "a\xEF\xBF\xBD"},
                    // One invalid byte makes the whole text Windows-1252, valid UTF-8
                    // sequences in it included: a text has one code page.
                    Case{"MixedIsWindows1252", "\xC3\xB6\xFC", "\xC3\x83\xC2\xB6\xC3\xBC"},
                    Case{"OverlongIsNotUtf8", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
                    Case{"SurrogateIsNotUtf8", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
                    Case{"AboveUnicodeIsNotUtf8", "\xF4\x90\x80\x80",
                         "\xC3\xB4\xEF\xBF\xBD\xE2\x82\xAC\xE2\x82\xAC"},
                    Case{"TruncatedIsNotUtf8", "ab\xC3", "ab\xC3\x83"}),
    [](const auto& c) { return c.param.name; });

// Every single high byte becomes one character of valid UTF-8, and only the
// five bytes that Windows-1252 leaves undefined become the replacement mark.
TEST(FileTextToUtf8Bytes, EveryHighByteGivesOneCharacter) {
    const std::string replacement = "\xEF\xBF\xBD";
    int replaced = 0;
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string out = sorvik1::fileTextToUtf8(std::string(1, static_cast<char>(b)));
        ASSERT_GE(out.size(), 2u) << b;
        ASSERT_LE(out.size(), 3u) << b;
        EXPECT_EQ(sorvik1::fileTextToUtf8(out), out) << "not valid UTF-8 for byte " << b;
        replaced += out == replacement ? 1 : 0;
    }
    EXPECT_EQ(replaced, 5);
}

} // namespace
