#include "core/text/formula_guard.h"

#include <gtest/gtest.h>

namespace {

TEST(FormulaGuard, TextsThatASpreadsheetWouldRunGetAnApostrophe) {
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {"=HYPERLINK(\"http://x\")", "'=HYPERLINK(\"http://x\")"},
        {"+SUM(1).txt", "'+SUM(1).txt"},
        {"-2+3.txt", "'-2+3.txt"},
        {"@A1.txt", "'@A1.txt"},
        {"\t=1", "'\t=1"},
        {"\r=1", "'\r=1"},
        {"Spielbank a=b", "Spielbank a=b"},
        {"'schon", "'schon"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sorvik1::formulaGuarded(c.text), c.written) << c.text;
    }
}

} // namespace
