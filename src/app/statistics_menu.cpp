// The windows beside the trainer open from the menu of the count and of the
// occurrence list, or by their shortcuts anywhere in the trainer's window.
#include "app/form1.h"

#include "auswertung/open_evaluation.h"
#include "stats/statistics_window.h"
#include "strategie/strategy_window.h"
#include "uebung/practice_window.h"
#include "ui/caption_label.h"
#include "ui/list_box.h"
#include "ui/window_menu.h"

void Form1::connectStatisticsMenu() {
    auto* menu = new WindowMenu(this);
    menu->add(QStringLiteral("Statistik …"), Qt::Key_F7, [this] {
        if (!statistics_) {
            statistics_ = new StatisticsWindow(*this);
            connect(statistics_, &StatisticsWindow::evaluationWanted, this,
                    [this] { openEvaluation(*this); });
        }
        statistics_->showBeside();
    });
    menu->add(QStringLiteral("Permanenzen auswerten …"), Qt::Key_F8,
              [this] { openEvaluation(*this); });
    menu->add(QStringLiteral("Übung …"), Qt::Key_F9, [this] { openPractice(*this); });
    menu->add(QStringLiteral("Strategietest …"), Qt::Key_F6, [this] { openStrategy(*this); });
    menu->offerOn(lmenge);
    menu->offerOn(Liste);
}
