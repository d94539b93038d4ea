// The count of found figures offers, on a right-click, a window that puts the
// count beside what chance predicts.
#include "app/form1.h"

#include "stats/statistics_window.h"
#include "ui/caption_label.h"

#include <QMenu>

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
        menu->popup(lmenge->mapToGlobal(at));
    });
}
