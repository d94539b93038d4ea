// The count of found figures offers, on a right-click, a window that puts the
// count beside what chance predicts.
#include "app/form1.h"

#include "auswertung/open_evaluation.h"
#include "stats/statistics_window.h"
#include "ui/caption_label.h"

#include <QAction>
#include <QMenu>

void Form1::connectStatisticsMenu() {
    // Works wherever the focus is in the trainer, and the menu shows its key.
    auto* evaluate = new QAction(QStringLiteral("Permanenzen auswerten …"), this);
    evaluate->setShortcut(Qt::Key_F8);
    evaluate->setShortcutContext(Qt::WindowShortcut);
    connect(evaluate, &QAction::triggered, this, [this] { openEvaluation(*this); });
    addAction(evaluate);
    lmenge->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lmenge, &QWidget::customContextMenuRequested, this, [this, evaluate](const QPoint& at) {
        auto* menu = new QMenu(lmenge);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addAction(QStringLiteral("Statistik …"), this, [this] {
            if (!statistics_) {
                statistics_ = new StatisticsWindow(*this);
            }
            statistics_->showBeside();
        });
        menu->addAction(evaluate);
        menu->popup(lmenge->mapToGlobal(at));
    });
}
