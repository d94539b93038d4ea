#include "trainer/run_fixture.h"

#include "core/wheel/limits.h"

#include <QTest>

namespace {

struct Entry {
    QString text;
    QString shownAfter; // the text left in the box
    double anzahl;      // 0: no count stored
};

void PrintTo(const Entry& e, std::ostream* os) {
    *os << '"' << e.text.toStdString() << '"';
}

class SpinCountEntry : public RunTest, public testing::WithParamInterface<Entry> {};

TEST_P(SpinCountEntry, StoresAWholeCountOrErasesTheText) {
    const Entry& e = GetParam();
    form.textanzahl->setText(e.text);
    EXPECT_EQ(form.textanzahl->text(), e.shownAfter);
    EXPECT_EQ(form.okstart->isEnabled(), e.anzahl > 0);
    EXPECT_EQ(form.anzahl, e.anzahl);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SpinCountEntry,
    testing::Values(Entry{"25", "25", 25}, Entry{"12abc", "12abc", 12}, Entry{"7,5", "7,5", 7},
                    Entry{"7.5", "7.5", 7}, Entry{"1e3x", "1e3x", 1000}, Entry{"0.5", "0.5", 1},
                    Entry{"abc", "", 0}, Entry{" ", "", 0}, Entry{"0", "", 0}, Entry{"-5", "", 0},
                    Entry{"", "", 0},
                    // Set by the program past the limit: the count is still bounded.
                    Entry{"99999999999", "99999999999", sorvik1::maxSpins}));

TEST_F(RunTest, TypedDigitByDigitTheCountFollowsEachDigit) {
    QTest::keyClick(form.textanzahl, Qt::Key_2);
    EXPECT_EQ(form.anzahl, 2);
    EXPECT_TRUE(form.okstart->isEnabled());
    QTest::keyClick(form.textanzahl, Qt::Key_5);
    EXPECT_EQ(form.anzahl, 25);
    QTest::keyClick(form.textanzahl, Qt::Key_Backspace);
    QTest::keyClick(form.textanzahl, Qt::Key_Backspace);
    EXPECT_EQ(form.textanzahl->text(), QString());
    EXPECT_FALSE(form.okstart->isEnabled());
}

TEST_F(RunTest, AKeystrokePastTheLargestRunHasNoEffect) {
    QTest::keyClicks(form.textanzahl, QStringLiteral("100000009"));
    EXPECT_EQ(form.textanzahl->text(), QStringLiteral("10000000"));
    EXPECT_EQ(form.anzahl, 10'000'000);
    QTest::keyClicks(form.textanzahl, QStringLiteral("e1"));
    EXPECT_EQ(form.textanzahl->text(), QStringLiteral("10000000e"));
}

TEST_F(RunTest, ALargerCountAfterALoadIsBroughtBackToTheLoadedSpins) {
    load({1, 2, 3, 4, 5});
    EXPECT_EQ(form.anzahl, 5);
    QTest::keyClick(form.textanzahl, Qt::Key_0);
    EXPECT_EQ(form.textanzahl->text(), QStringLiteral("5"));
    EXPECT_EQ(form.anzahl, 5);
    form.textanzahl->setText(QStringLiteral("3"));
    EXPECT_EQ(form.anzahl, 3);
}

} // namespace
