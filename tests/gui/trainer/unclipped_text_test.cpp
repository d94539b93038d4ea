// Every line a caption label shows fits inside it with the fonts the system
// ships, whatever the window shows at the moment.
#include "window_fixture.h"

#include "ui/caption_label.h"
#include "ui/text_box.h"

#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace {

struct Shown {
    const char* name;
    std::function<void(Form1&)> reach;
};

class UnclippedText : public WindowTest, public testing::WithParamInterface<Shown> {};

TEST_P(UnclippedText, EveryLineFitsItsLabel) {
    GetParam().reach(form);
    for (const CaptionLabel* label : form.findChildren<CaptionLabel*>()) {
        // The label draws one pixel in from its frame on either side.
        const int room = label->contentsRect().width() - 2;
        const QFontMetrics metrics(label->font());
        for (const QString& line : label->shownText().split(QChar(10))) {
            EXPECT_LE(metrics.horizontalAdvance(line), room)
                << label->objectName().toStdString() << ": " << line.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Window, UnclippedText,
                         testing::Values(Shown{"FigureInstruction", [](Form1&) {}},
                                         Shown{"ImportInstruction",
                                               [](Form1& f) { f.okextern->click(); }},
                                         Shown{"RunInstruction",
                                               [](Form1& f) {
                                                   f.okextern->click();
                                                   f.okexternabbruch->click();
                                               }},
                                         Shown{"DrawnRunToItsEnd",
                                               [](Form1& f) {
                                                   f.figur[1] = sorvik1::red;
                                                   f.figanfang = f.figende = 1;
                                                   f.textanzahl->setText(QStringLiteral("1000000"));
                                                   f.Option1[1]->setChecked(true);
                                                   f.okstart->click();
                                               }}),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
