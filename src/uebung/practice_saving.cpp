// How the practice window keeps the history: a finished practice stays in
// memory until the database has it, so a busy, full or read-only database
// never costs a practice.
#include "uebung/history_view.h"
#include "uebung/pending_practices.h"
#include "uebung/practice_window.h"
#include "ui/file_save.h"
#include "ui/message_box.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

// Beside the damaged file, under a name that says what it is and when it
// was put aside.
QString asideName(const QString& path) {
    const QFileInfo file(path);
    return file.absolutePath() + QStringLiteral("/") + file.completeBaseName() +
           QStringLiteral("-beschaedigt-") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           QStringLiteral(".") + file.suffix();
}

} // namespace

void PracticeWindow::openStore() {
    store_ = std::make_unique<PracticeStore>(databasePath_);
    if (store_->problem() == PracticeStore::Problem::Damaged) {
        const QString aside = asideName(databasePath_);
        if (message(causeText(store_->problem(), databasePath_) +
                        QStringLiteral(" Neu anlegen? Die alte Datei bleibt als „%1“ erhalten; "
                                       "ohne neue Datei wird der Verlauf nicht gespeichert.")
                            .arg(QFileInfo(aside).fileName()),
                    msgstyle::yesNoAsk) == answer::yes) {
            store_.reset();
            for (const QString& part :
                 {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
                QFile::rename(databasePath_ + part, aside + part);
            }
            store_ = std::make_unique<PracticeStore>(databasePath_);
        }
    }
    const QString problem = problemText(store_->problem(), databasePath_);
    history->setStore(store_.get(), problem);
    if (!problem.isEmpty()) {
        message(problem, msgstyle::information);
    }
    // Practices the trainer could not store when it last ended.
    QFile pending(pendingPracticesPath(databasePath_));
    if (pending.open(QIODevice::ReadOnly)) {
        std::vector<PracticeRecord> waiting = pendingPracticesFrom(pending.readAll());
        pending.close();
        unsaved_.insert(unsaved_.begin(), waiting.begin(), waiting.end());
        if (saveUnsaved()) {
            pending.remove();
        }
    }
}

// A database another program held at the first try is opened again.
void PracticeWindow::retryLockedStore(int busyMs) {
    if (!store_ || store_->problem() != PracticeStore::Problem::Locked) {
        return;
    }
    history->setStore(nullptr, {});
    store_ = std::make_unique<PracticeStore>(databasePath_, QStringLiteral("QSQLITE"), busyMs);
    history->setStore(store_.get(), problemText(store_->problem(), databasePath_));
}

void PracticeWindow::keep(PracticeRecord record) {
    // With the history off for good (a newer or unknown database, no
    // driver), practice goes on without it, as the user was told.
    if (!store_ || (!store_->usable() && store_->problem() != PracticeStore::Problem::Locked)) {
        return;
    }
    unsaved_.push_back(std::move(record));
    saveUnsaved();
}

bool PracticeWindow::saveUnsaved() {
    retryLockedStore(PracticeStore::shortBusyMs);
    std::size_t saved = 0;
    while (saved < unsaved_.size() && store_ && store_->usable() && store_->add(unsaved_[saved])) {
        ++saved;
    }
    unsaved_.erase(unsaved_.begin(), unsaved_.begin() + static_cast<std::ptrdiff_t>(saved));
    if (saved > 0) {
        history->reload();
    }
    showUnsaved();
    return unsaved_.empty();
}

void PracticeWindow::showUnsaved() {
    saveAgainButton->setVisible(!unsaved_.empty());
    storeNote->setVisible(!unsaved_.empty());
    if (unsaved_.empty() || !store_) {
        return;
    }
    const PracticeStore::Problem problem =
        store_->usable() ? store_->writeProblem() : store_->problem();
    const QString which = unsaved_.size() == 1
                              ? QStringLiteral("Die Übung ist")
                              : QStringLiteral("%1 Übungen sind").arg(unsaved_.size());
    storeNote->setText(causeText(problem, databasePath_) +
                       QStringLiteral(" %1 noch nicht im Verlauf gespeichert, aber nicht "
                                      "verloren: „Erneut speichern“ versucht es noch einmal, "
                                      "sonst geschieht es nach der nächsten Übung.")
                           .arg(which));
}

// Closing the window with a practice the history does not have yet asks
// first; the practice stays in memory either way.
void PracticeWindow::reject() {
    endPractice();
    if (!unsaved_.empty() &&
        message(QStringLiteral("Eine Übung ist noch nicht im Verlauf gespeichert. Sie bleibt "
                               "erhalten und wird beim Beenden des Trainers noch einmal "
                               "gespeichert. Das Fenster trotzdem schließen?"),
                msgstyle::yesNoAsk) != answer::yes) {
        return;
    }
    QDialog::reject();
}

// When the trainer ends: one more try, waiting a little longer, and what
// still cannot be stored waits in a file for the next start.
void PracticeWindow::saveBeforeEnd() {
    if (unsaved_.empty()) {
        return;
    }
    retryLockedStore(endBusyMs);
    if (store_) {
        store_->setBusyTimeout(endBusyMs);
    }
    if (!saveUnsaved()) {
        saveBytes(pendingPracticesPath(databasePath_), pendingPracticesJson(unsaved_));
    }
}
