// "Druck" after a run of ten million spins, offscreen: how long the window
// goes without handling events from the press until it asks whether the long
// printout should really be made. The user sees a frozen window for that
// long, so it is measured as the longest gap between two chances to repaint.

#include "app/form1.h"
#include "core/wheel/figure.h"
#include "ui/message_box.h"
#include "ui/text_box.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// The longest time between two calls of tick().
class StallMeter {
  public:
    StallMeter() { clock_.start(); }
    void tick() {
        const double now = clock_.nsecsElapsed() / 1e6;
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }
    double longest() const { return longest_; }

  private:
    QElapsedTimer clock_;
    double last_ = 0;
    double longest_ = 0;
};

// Answers "Nein" to every question; a real message box would handle events
// while it is open, so showing one ends a stall.
class AnswerNo final : public MessageBox {
  public:
    explicit AnswerNo(StallMeter& meter) : meter_(meter) {}
    int show(QWidget*, const QString&, int, const QString&) override {
        meter_.tick();
        ++questions;
        return answer::no;
    }
    int questions = 0;

  private:
    StallMeter& meter_;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Form1 form(Form1::Options{7});
    form.figur[1] = sorvik1::red;
    form.figur[2] = sorvik1::red;
    form.figanfang = 1;
    form.figende = 2;
    form.zudeck1->hide();
    form.zudeck2->hide();
    form.show();
    form.textanzahl->setText(QStringLiteral("10000000"));
    form.Option1[1]->setChecked(true);
    QApplication::processEvents();
    form.okstart->click();
    QApplication::processEvents();

    StallMeter meter;
    auto box = std::make_unique<AnswerNo>(meter);
    AnswerNo& answers = *box;
    form.setMessageBox(std::move(box));
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { meter.tick(); });
    ticker.start(5);
    meter.tick();
    form.okdruck->click();
    meter.tick();
    std::printf("ms druck_10m_max_stall %.1f\n", meter.longest());
    return answers.questions == 2 ? 0 : 1;
}
