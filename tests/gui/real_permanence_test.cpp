#include "casino_numbers.h"
#include "import_fixture.h"

#include "ui/caption_label.h"
#include "ui/text_box.h"

#include <ostream>

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
    const std::optional<QByteArray> bytes = sharedPermanence(GetParam().name);
    if (!bytes) {
        GTEST_SKIP() << "shared data folder absent";
    }
    const std::vector<int> numbers = casinoNumbers(*bytes);
    ASSERT_EQ(numbers.size(), GetParam().spins);

    choose(QStringLiteral(SORVIK1_SHARED_DATA), QLatin1String(GetParam().name));
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

INSTANTIATE_TEST_SUITE_P(Shared, RealPermanence,
                         testing::Values(RealFile{"wiesbaden-t1-2019-04-24.txt", 187'630},
                                         RealFile{"wiesbaden-t5-2019-04-24.txt", 748'116}));

} // namespace
