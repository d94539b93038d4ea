#include "case_name.h"
#include "trainer/run_fixture.h"

#include "core/system/allocation_seam.h"
#include "ui/dir_list.h"
#include "ui/file_list.h"
#include "ui/flexgrid.h"

#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>

// A guarded pointer's count block, taken before the exception, is never
// released when the exception unwinds past the code that would release it.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:QtSharedPointer::ExternalRefCountData::getAndRef\n";
}
#endif

namespace {

// What an action may change, to tell that a failed one changed nothing.
struct TrainerState {
    double anzahl;
    std::int16_t gestartet;
    std::int16_t importiert;
    std::vector<std::int16_t> zahlen;
    std::vector<double> permanenz;
    int rows;
    QString start;
    bool frameShown;
    bool operator==(const TrainerState&) const = default;
};

struct FailureCase {
    const char* name;
    // Which announced allocation fails, by its size in bytes; 0 fails all.
    std::size_t failingBytes;
    // The button pressed, after the window was made ready for it.
    QPushButton* Form1::*button;
    bool unchanged;
    // How many allocations of that size succeed before one fails.
    int passing = 0;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class FailingAction : public RunTest, public testing::WithParamInterface<FailureCase> {
  protected:
    FailingAction() { form.show(); }
    ~FailingAction() override { sorvik1::setAllocationFailure({}); }

    TrainerState state() const {
        return {form.anzahl,          form.gestartet,
                form.importiert,      form.zahlen,
                form.permanenz,       form.tabelle2->rows(),
                form.okstart->text(), form.Frame1->isVisibleTo(&form)};
    }

    QTemporaryDir dir;
};

// Allocations made while this lives are not reported by the leak checker of
// the sanitizer build; elsewhere it does nothing.
struct QtUnwindLeaks {
#if defined(__SANITIZE_ADDRESS__)
    QtUnwindLeaks() {
        __lsan_disable();
    }
    ~QtUnwindLeaks() {
        __lsan_enable();
    }
#else
    QtUnwindLeaks() {}
#endif
    QtUnwindLeaks(const QtUnwindLeaks&) = delete;
    QtUnwindLeaks& operator=(const QtUnwindLeaks&) = delete;
};

// The exception thrown inside the handler reaches the application object
// through a real click, as in the program: one " Fehler" box, and then the
// window as it was (preparation, load) or as after Reset (anything else).
TEST_P(FailingAction, IsAnsweredAndLeavesTheTrainerUsable) {
    const FailureCase& c = GetParam();
    useFigure({{1, sorvik1::Farbcode(1)}, {2, sorvik1::Farbcode(2)}});
    form.zudeck1->setVisible(false);
    form.zudeck2->setVisible(false);
    form.textanzahl->setText(QStringLiteral("1000"));
    if (c.button == &Form1::okexternok) {
        QFile file(dir.filePath(QStringLiteral("p.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Spielbank\r\nx\r\nx\r\nx\r\n1\r\n2\r\n");
        file.close();
        form.okextern_Click();
        ASSERT_TRUE(form.Dir1->setPath(dir.path()));
        QListWidgetItem* item = form.File1->item(0);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(form.File1->viewport(), Qt::LeftButton, {},
                          form.File1->visualItemRect(item).center());
    }
    QPushButton* button = form.*c.button;
    ASSERT_TRUE(button->isEnabled());
    const TrainerState before = state();
    int passing = c.passing;
    sorvik1::setAllocationFailure([&](std::size_t bytes) {
        return c.failingBytes == 0 || (bytes == c.failingBytes && passing-- == 0);
    });

    {
        // The exception unwinds through Qt's event and signal code, which is
        // built without clean-ups for it and keeps a few bytes; that is Qt's
        // leak, not the trainer's.
        QtUnwindLeaks qtKeepsAFewBytes;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].style, msgstyle::critical);
    EXPECT_EQ(messages->shown[0].title, QStringLiteral(" Fehler"));
    EXPECT_TRUE(messages->shown[0].prompt.contains(QStringLiteral("Mangel an Speicher")));
    if (c.unchanged) {
        EXPECT_EQ(state(), before);
    } else {
        EXPECT_EQ(form.gestartet, 0);
        EXPECT_TRUE(form.zahlen.empty());
        EXPECT_EQ(form.figende, 0);
        EXPECT_TRUE(form.zudeck1->isVisibleTo(&form));
        EXPECT_FALSE(form.okstart->isEnabled());
    }
}

INSTANTIATE_TEST_SUITE_P(Actions, FailingAction,
                         testing::Values(
                             // The drawn numbers of 1,000 spins and the margin, two bytes each.
                             FailureCase{"RunPreparation", (1000 + 21) * 2, &Form1::okstart, true},
                             FailureCase{"Load", 0, &Form1::okexternok, true},
                             // A column of the spin grid, one bit per row: the spin-number
                             // column is reserved in the preparation, the number column
                             // is made at the first spin.
                             FailureCase{"RunAfterItsPreparation", (1001 + 63) / 64 * 8,
                                         &Form1::okstart, false, 1}),
                         CaseName());

} // namespace
