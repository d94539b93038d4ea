// The windows beside the trainer open from the menu of the count and of the
// occurrence list, or by their shortcuts anywhere in the trainer's window.
#include "app/form1.h"

#include "core/roulette_number.h"

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
        }
        statistics_->showBeside();
    });
    menu->add(QStringLiteral("Permanenzen auswerten …"), Qt::Key_F8,
              [this] { openEvaluation(*this); });
    menu->add(QStringLiteral("Übung …"), Qt::Key_F9, [this] { openPractice(*this); });
    menu->add(QStringLiteral("Strategietest …"), Qt::Key_F6, [this] {
        openStrategy(this, [this] {
            StrategyTrainerState state;
            state.figure = sorvik1::Figure::fromGrid(figur, figanfang, figende);
            if (importiert != 0) {
                const auto count = static_cast<std::size_t>(importanzahl);
                for (std::size_t i = 1; i <= count && i < permanenz.size(); ++i) {
                    const int number = sorvik1::rouletteNumber(permanenz[i]).value_or(0);
                    state.permanence.push_back(
                        sorvik1::wheelColours()[static_cast<std::size_t>(number)]);
                }
            }
            state.seed = options().seed;
            return state;
        });
    });
    menu->offerOn(lmenge);
    menu->offerOn(Liste);
}
