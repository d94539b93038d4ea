#include "practice_fixture.h"
#include "practice_sql.h"

#include "uebung/history_view.h"
#include "uebung/pending_practices.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace {

using Tempo = PracticeSettings::Tempo;

class PracticeSaving : public PracticeTest {
  protected:
    PracticeSaving() {
        activate("rs");
        choose(Tempo::OnKey, 3);
        window.show();
    }

    void practise() {
        window.startPractice();
        for (int i = 0; i < 3; ++i) {
            press(Qt::Key_Right);
        }
    }

    // Another program holding the database, as `BEGIN EXCLUSIVE` in sqlite3 does.
    std::unique_ptr<Sql> hold() {
        auto holder = std::make_unique<Sql>(databasePath());
        EXPECT_TRUE(holder->exec(QStringLiteral("BEGIN EXCLUSIVE")));
        return holder;
    }
};

// A practice that ends while the database is held stays in memory, the
// window says why, and "Erneut speichern" stores it once the database is free.
TEST_F(PracticeSaving, ABusyDatabaseKeepsThePracticeUntilItIsFree) {
    auto holder = hold();
    practise();
    EXPECT_EQ(window.unsavedCount(), 1u);
    EXPECT_TRUE(window.storeNote->text().contains(QStringLiteral("anderen Programm")))
        << window.storeNote->text().toStdString();
    EXPECT_FALSE(window.saveAgainButton->isHidden());
    window.saveAgainButton->click();
    EXPECT_EQ(window.unsavedCount(), 1u);

    holder.reset();
    window.saveAgainButton->click();
    EXPECT_EQ(window.unsavedCount(), 0u);
    EXPECT_TRUE(window.saveAgainButton->isHidden());
    EXPECT_EQ(window.history->shown().size(), 1u);
    EXPECT_TRUE(practiceMessages->shown.empty());
}

// The next practice takes the kept one along.
TEST_F(PracticeSaving, TheNextPracticeStoresTheKeptOneToo) {
    auto holder = hold();
    practise();
    holder.reset();
    practise();
    EXPECT_EQ(window.unsavedCount(), 0u);
    EXPECT_EQ(window.store()->list().size(), 2u);
}

// Closing the window with a practice not yet stored asks first.
TEST_F(PracticeSaving, ClosingWithAnUnsavedPracticeAsks) {
    auto holder = hold();
    practise();
    practiceMessages->answers = {answer::no};
    window.reject();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(practiceMessages->shown.size(), 1u);
    EXPECT_EQ(practiceMessages->shown[0].style, msgstyle::yesNoAsk);
    practiceMessages->answers = {answer::yes};
    window.reject();
    EXPECT_FALSE(window.isVisible());
}

// What the trainer's end cannot store waits in a file and joins the history
// when the practice window opens next.
TEST_F(PracticeSaving, TheTrainersEndKeepsAnUnsavedPracticeForTheNextStart) {
    auto* other = new PracticeWindow(trainer);
    other->setMessageBox(std::make_unique<ScriptedMessageBox>());
    other->useDatabase(databasePath());
    other->show();
    auto holder = hold();
    other->startPractice();
    other->session()->advance();
    delete other;
    holder.reset();
    const QString pending = pendingPracticesPath(databasePath());
    ASSERT_TRUE(QFile::exists(pending));

    PracticeWindow next(trainer);
    next.setMessageBox(std::make_unique<ScriptedMessageBox>());
    next.useDatabase(databasePath());
    next.show();
    ASSERT_EQ(next.store()->list().size(), 1u);
    EXPECT_EQ(next.store()->list().front().figure, QStringLiteral("rs"));
    EXPECT_FALSE(QFile::exists(pending));
}

// A database held at the first open is tried again with the next practice.
TEST_F(PracticeSaving, ADatabaseHeldAtTheFirstOpenIsTriedAgain) {
    const QString held = folder.filePath(QStringLiteral("gehalten.sqlite"));
    auto holder = std::make_unique<Sql>(held);
    ASSERT_TRUE(holder->exec(QStringLiteral("CREATE TABLE t (x)")));
    ASSERT_TRUE(holder->exec(QStringLiteral("BEGIN EXCLUSIVE")));
    window.hide();
    window.useDatabase(held);
    window.show();
    EXPECT_EQ(window.store()->problem(), PracticeStore::Problem::Locked);
    holder.reset();
    practise();
    EXPECT_TRUE(window.store()->usable());
    EXPECT_EQ(window.store()->list().size(), 1u);
}

// "Verlauf löschen" under a held database says so and keeps the history.
TEST_F(PracticeSaving, ClearingAHeldHistoryReportsIt) {
    practise();
    auto holder = hold();
    practiceMessages->answers = {answer::yes};
    window.history->clearButton->click();
    ASSERT_EQ(practiceMessages->shown.size(), 2u);
    EXPECT_TRUE(practiceMessages->shown[1].prompt.contains(QStringLiteral("nicht gelöscht")));
    holder.reset();
    EXPECT_EQ(window.store()->list().size(), 1u);
}

// A damaged database can be set aside under a dated name and made anew.
TEST_F(PracticeSaving, ADamagedDatabaseIsSetAsideAndMadeAnew) {
    const QString damaged = folder.filePath(QStringLiteral("kaputt.sqlite"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    practiceMessages->answers = {answer::yes};
    window.hide();
    window.useDatabase(damaged);
    window.show();
    ASSERT_EQ(practiceMessages->shown.size(), 1u);
    EXPECT_TRUE(practiceMessages->shown[0].prompt.contains(QStringLiteral("Neu anlegen?")));
    EXPECT_TRUE(window.store()->usable());
    const QStringList aside =
        QDir(folder.path()).entryList({QStringLiteral("kaputt-beschaedigt-*.sqlite")});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(folder.filePath(aside.front()));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray(4096, 'x'));
}

// The choices outlive the window.
TEST_F(PracticeSaving, SettingsAreKept) {
    window.tempo->setCurrentIndex(1);
    window.secondsPerSpin->setValue(7.5);
    window.limitCount->setValue(321);
    window.halfOnZero->setChecked(true);
    window.hide();
    PracticeWindow next(trainer);
    EXPECT_EQ(next.tempo->currentIndex(), 1);
    EXPECT_DOUBLE_EQ(next.secondsPerSpin->value(), 7.5);
    EXPECT_EQ(next.limitCount->value(), 321);
    EXPECT_TRUE(next.halfOnZero->isChecked());
}

} // namespace
