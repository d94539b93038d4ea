#include "trainer/casino_numbers.h"
#include "trainer/import_fixture.h"

#include "ui/caption_label.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"
#include "ui/text_box.h"

#include <QRadioButton>

#include <ostream>
#include <set>
#include <vector>

namespace {

struct RealFile {
    const char* name;
    std::size_t spins;
};

void PrintTo(const RealFile& f, std::ostream* os) {
    *os << f.name;
}

class RealPermanence : public ImportTest, public testing::WithParamInterface<RealFile> {};

TEST_P(RealPermanence, LoadsEveryNumberInOrder) {
    const std::optional<QByteArray> bytes = realPermanence(GetParam().name);
    if (!bytes) {
        GTEST_SKIP() << "shared data folder absent";
    }
    const std::vector<int> numbers = casinoNumbers(*bytes);
    ASSERT_EQ(numbers.size(), GetParam().spins);

    choose(realPermanenceFolder(GetParam().name), QLatin1String(GetParam().name));
    form.okexternok->click();

    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(form.anzahl, static_cast<double>(numbers.size()));
    EXPECT_EQ(form.textanzahl->text(), QString::number(numbers.size()));
    EXPECT_TRUE(form.text->caption().startsWith(QStringLiteral("Spielbank")));
    ASSERT_EQ(form.permanenz.size(), numbers.size() + 21);
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        ASSERT_EQ(form.permanenz[k + 1], numbers[k]) << "spin " << k + 1;
    }
}

// The red numbers of the wheel, written out so that the count below does
// not lean on the program's colour table.
const std::set<int> redNumbers = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                  19, 21, 23, 25, 27, 30, 32, 34, 36};

// Spins at which red, any number, black begins.
std::vector<std::size_t> redGapBlack(const std::vector<int>& numbers) {
    std::vector<std::size_t> starts;
    for (std::size_t k = 0; k + 2 < numbers.size(); ++k) {
        const int last = numbers[k + 2];
        if (redNumbers.contains(numbers[k]) && last != 0 && !redNumbers.contains(last)) {
            starts.push_back(k + 1);
        }
    }
    return starts;
}

TEST_P(RealPermanence, DurchlaufReplaysTheFileAndFindsEveryOccurrence) {
    const std::optional<QByteArray> bytes = realPermanence(GetParam().name);
    if (!bytes) {
        GTEST_SKIP() << "shared data folder absent";
    }
    const std::vector<int> numbers = casinoNumbers(*bytes);
    choose(realPermanenceFolder(GetParam().name), QLatin1String(GetParam().name));
    form.okexternok->click();
    // Red, a free spin, black, drawn lower in the grid than its first row.
    form.figur[3] = sorvik1::red;
    form.figur[5] = sorvik1::black;
    form.figanfang = 3;
    form.figende = 5;
    form.Option1[1]->setChecked(true);

    form.okstart->click();

    EXPECT_FALSE(form.okstart->isEnabled());
    EXPECT_EQ(form.wurf, static_cast<double>(numbers.size()));
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        ASSERT_EQ(form.tabelle2->textAt(static_cast<int>(k), 4), QString::number(numbers[k]))
            << "spin " << k + 1;
    }
    const std::vector<std::size_t> starts = redGapBlack(numbers);
    EXPECT_EQ(form.lmenge->caption(), QString::number(starts.size()));
    ASSERT_EQ(form.Liste->listCount(), static_cast<int>(starts.size()));
    for (std::size_t i = 0; i < starts.size(); ++i) {
        ASSERT_EQ(form.Liste->list(static_cast<int>(i)), QString::number(starts[i]));
    }
}

INSTANTIATE_TEST_SUITE_P(Shared, RealPermanence,
                         testing::Values(RealFile{"wiesbaden-t1-2019-04-24.txt", 187'630},
                                         RealFile{"wiesbaden-t5-2019-04-24.txt", 748'116}));

} // namespace
