// The count of found figures offers, on a right-click, a window that puts the
// count beside what chance predicts.
#include "app/form1.h"

#include "stats/statistics_window.h"
#include "uebung/practice_window.h"
#include "ui/caption_label.h"

#include <QMenu>
#include <QShortcut>

void Form1::connectStatisticsMenu() {
    lmenge->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lmenge, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        auto* menu = new QMenu(lmenge);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addAction(QStringLiteral("Statistik …"), this, [this] {
            if (!statistics_) {
                statistics_ = new StatisticsWindow(*this);
            }
            statistics_->showBeside();
        });
        menu->addAction(QStringLiteral("Übung …"), QKeySequence(Qt::Key_F9), this,
                        [this] { openPractice(*this); });
        menu->popup(lmenge->mapToGlobal(at));
    });
    // Works wherever the focus is in the trainer.
    auto* practice = new QShortcut(QKeySequence(Qt::Key_F9), this);
    connect(practice, &QShortcut::activated, this, [this] { openPractice(*this); });
}
