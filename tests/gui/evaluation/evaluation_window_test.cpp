#include "evaluation/evaluation_steps.h"

#include "case_name.h"

#include "core/system/allocation_seam.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

using Evaluation = EvaluationTest;

TEST_F(Evaluation, F8OpensTheWindowFromAnywhereInTheTrainer) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.okinfo->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
    auto* window = form.findChild<EvaluationWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(openEvaluation(form), window);
    const auto actions = form.actions();
    EXPECT_TRUE(std::any_of(actions.begin(), actions.end(), [](const QAction* action) {
        return action->text() == QStringLiteral("Permanenzen auswerten …") &&
               action->shortcut() == QKeySequence(Qt::Key_F8);
    }));
}

// The figure search needs no figure: the chosen folder goes to it, and the
// window says why nothing is evaluated.
TEST_F(Evaluation, WithoutAFigureTheChoiceGoesToTheSearchAndTheWindowSaysWhy) {
    setRun(form, {"none", "", 0, 0, 0, {}});
    form.figanfang = 0;
    form.figende = 0;
    EvaluationWindow* window = open();
    chooser->folder = files.path();
    window->chooseFolder();
    EXPECT_FALSE(window->busy());
    EXPECT_TRUE(status(*window).contains(QStringLiteral("braucht es eine Figur")));
    const auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("ergebnisse"));
    EXPECT_EQ(tabs->currentWidget()->objectName(), QStringLiteral("figurensuche"));
    const auto* source = tabs->currentWidget()->findChild<QComboBox*>();
    EXPECT_TRUE(source->currentText().contains(files.path()));
}

// Before anything is evaluated, the window names what would be counted, and
// every heading fits its column.
TEST_F(Evaluation, NamesTheTrainersFigureAndFitsTheHeadingsFromTheStart) {
    EvaluationWindow* window = open();
    const auto* label = window->findChild<QLabel*>(QStringLiteral("figur"));
    EXPECT_EQ(label->text(), QStringLiteral("Figur: rs auf Rot/Schwarz (Null bricht die Figur)"));
    window->findChild<QRadioButton*>(QStringLiteral("nullUeberspringen"))->setChecked(true);
    EXPECT_EQ(label->text(), QStringLiteral("Figur: rs auf Rot/Schwarz (Nullen übersprungen)"));
    const QTableView& view = table(*window);
    const QHeaderView* header = view.horizontalHeader();
    for (int column = 0; column < EvaluationModel::columnCount_; ++column) {
        if (!view.isColumnHidden(column)) {
            EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column)) << column;
        }
    }
    EXPECT_TRUE(view.isColumnHidden(EvaluationModel::Figure));
}

// Until the user has a folder of their own, the choosers open on the example
// permanence; choosing it does not make it the user's folder.
TEST_F(Evaluation, OffersTheExampleUntilTheUserHasAFolder) {
    EvaluationWindow* window = open();
    const QString examples = QCoreApplication::applicationDirPath() + QStringLiteral("/examples");
    chooser->files = {examples + QStringLiteral("/wiesbaden-t1-2019-04-24.txt")};
    window->chooseFiles();
    EXPECT_EQ(chooser->startedIn, examples);
    ASSERT_TRUE(waitDone(*window));
    EXPECT_EQ(status(*window), QStringLiteral("Ausgewertet: 1 Datei mit 187.630 Würfen."));
    EXPECT_EQ(table(*window).model()->index(1, EvaluationModel::File).data().toString(),
              QStringLiteral("1 Datei"));
    EXPECT_TRUE(table(*window).isColumnHidden(EvaluationModel::Rule)) << "after the result too";
    EXPECT_FALSE(QSettings().contains(QStringLiteral("auswertung/ordner")));
}

// The file column sorts by the names it shows, not by the folders.
TEST_F(Evaluation, FileColumnSortsByTheNameShown) {
    write(QStringLiteral("a/zwei.txt"), permanence(100, 1, "1.1.2020"));
    write(QStringLiteral("b/eins.txt"), permanence(100, 2, "1.1.2020"));
    EvaluationWindow* window = open();
    chooser->folder = files.path();
    window->chooseFolder();
    ASSERT_TRUE(waitDone(*window));
    QTableView& view = table(*window);
    view.sortByColumn(EvaluationModel::File, Qt::AscendingOrder);
    EXPECT_EQ(view.model()->index(0, 0).data().toString(), QStringLiteral("eins.txt"));
    EXPECT_EQ(view.model()->index(1, 0).data().toString(), QStringLiteral("zwei.txt"));
}

// A folder with good files in sub-folders, a refused one and a stray
// other file: one row per good file, the refusal listed with its reason,
// the figure of the start kept though the trainer's changes later.
TEST_F(Evaluation, FolderGivesARowPerFileAndTheTotalLast) {
    write(QStringLiteral("a/1.txt"), permanence(3000, 1, "02.01.2020"));
    write(QStringLiteral("b/2.txt"), permanence(2000, 2, "01.01.2020"));
    write(QStringLiteral("3.txt"), permanence(1000, 3, "kein Datum"));
    write(QStringLiteral("bad.txt"), "Spielbank\r\nT\r\nD\r\nP\r\n40\r\n");
    write(QStringLiteral("notes.csv"), "x");
    EvaluationWindow* window = open();
    chooser->folder = files.path();
    window->chooseFolder();
    setRun(form, {"changed", "rrr", 1, 0, 0, {}});
    ASSERT_TRUE(waitDone(*window));
    auto& model = *table(*window).model();
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_TRUE(model.index(3, 0).data(EvaluationModel::totalRole).toBool());
    EXPECT_EQ(model.index(3, EvaluationModel::Spins).data().toString(), QStringLiteral("6.000"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("figur"))->text(),
              QStringLiteral("Figur: rs auf Rot/Schwarz (Null bricht die Figur)"));
    const QStringList refused = window->findChild<QListView*>(QStringLiteral("abgelehnt"))
                                    ->model()
                                    ->index(0, 0)
                                    .data()
                                    .toString()
                                    .split(QStringLiteral(": "));
    EXPECT_TRUE(refused.front().endsWith(QStringLiteral("bad.txt")));
    EXPECT_TRUE(refused.back().contains(QStringLiteral("Zeile 5")));
    EXPECT_EQ(QSettings().value(QStringLiteral("auswertung/ordner")).toString(), files.path());
}

struct SortCase {
    std::string name;
    int column;
    Qt::SortOrder order;
};

class EvaluationSort : public EvaluationTest, public testing::WithParamInterface<SortCase> {};

// The total stays last whatever the sort; the files are in order above it.
TEST_P(EvaluationSort, KeepsTheTotalLast) {
    for (int i = 0; i < 6; ++i) {
        write(QStringLiteral("%1.txt").arg(i), permanence(200 + 100 * i, i, "1.1.2020"));
    }
    EvaluationWindow* window = open();
    chooser->folder = files.path();
    window->chooseFolder();
    ASSERT_TRUE(waitDone(*window));
    QTableView& view = table(*window);
    view.sortByColumn(GetParam().column, GetParam().order);
    const auto& model = *view.model();
    ASSERT_EQ(model.rowCount(), 7);
    EXPECT_TRUE(model.index(6, 0).data(EvaluationModel::totalRole).toBool());
    for (int row = 1; row < 6; ++row) {
        const double before =
            model.index(row - 1, GetParam().column).data(EvaluationModel::valueRole).toDouble();
        const double here =
            model.index(row, GetParam().column).data(EvaluationModel::valueRole).toDouble();
        EXPECT_TRUE(GetParam().order == Qt::AscendingOrder ? before <= here : before >= here)
            << row;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Columns, EvaluationSort,
    testing::Values(SortCase{"SpinsUp", EvaluationModel::Spins, Qt::AscendingOrder},
                    SortCase{"SpinsDown", EvaluationModel::Spins, Qt::DescendingOrder},
                    SortCase{"ZUp", EvaluationModel::ZValue, Qt::AscendingOrder},
                    SortCase{"ZDown", EvaluationModel::ZValue, Qt::DescendingOrder}),
    CaseName());

// Cancelling ends at once, even in the middle of long files, keeps only
// whole rows and says the total is partial.
// A header line of megabytes is kept to its first thousand bytes and
// elided to its column; the spins still count.
TEST_F(Evaluation, LongHeaderIsElidedToItsColumn) {
    QByteArray bytes = permanence(500, 4, "01.01.2020");
    bytes.replace("Tisch 1", QByteArray(4 << 20, 'x'));
    EvaluationWindow* window = open();
    chooser->files = {write(QStringLiteral("lang.txt"), bytes)};
    window->chooseFiles();
    ASSERT_TRUE(waitDone(*window));
    QTableView& view = table(*window);
    const QString shown = view.model()->index(0, EvaluationModel::Table).data().toString();
    EXPECT_EQ(shown, QString(1000, QChar('x')) + QChar(0x2026));
    EXPECT_EQ(view.model()->index(0, EvaluationModel::Spins).data().toString(),
              QStringLiteral("500"));
    EXPECT_LE(view.columnWidth(EvaluationModel::Table),
              view.horizontalHeader()->maximumSectionSize());
    EXPECT_LT(view.horizontalHeader()->maximumSectionSize(),
              view.fontMetrics().horizontalAdvance(shown));
}

TEST_F(Evaluation, CancelStopsQuicklyAndLabelsThePartialTotal) {
    const QByteArray bytes = permanence(1'000'000, 7, "1.1.2020");
    for (int i = 0; i < 12; ++i) {
        write(QStringLiteral("%1.txt").arg(i, 2, 10, QChar('0')), bytes);
    }
    EvaluationWindow* window = open();
    chooser->folder = files.path();
    window->chooseFolder();
    // Once the first file is done, the others are being read.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !window->busy() || window->findChild<QProgressBar*>()->value() > 0; }));
    // The finished files are in the table while the others are read.
    const auto& model = *table(*window).model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->busy() || model.rowCount() > 0; }));
    EXPECT_TRUE(window->busy());
    EXPECT_TRUE(
        model.index(model.rowCount() - 1, 0).data().toString().endsWith(QStringLiteral("bisher")));
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(window, Qt::Key_Escape);
    ASSERT_TRUE(waitDone(*window, 2000));
    EXPECT_LT(clock.elapsed(), 200);
    EXPECT_TRUE(window->isVisible()) << "Escape stops the work before it closes the window";
    EXPECT_TRUE(status(*window).startsWith(QStringLiteral("Abgebrochen")));
    ASSERT_LT(model.rowCount(), 13);
    for (int row = 0; row + 1 < model.rowCount(); ++row) {
        EXPECT_EQ(model.index(row, EvaluationModel::Spins).data().toString(),
                  QStringLiteral("1.000.000"));
    }
    if (model.rowCount() > 0) {
        EXPECT_TRUE(model.index(model.rowCount() - 1, 0)
                        .data()
                        .toString()
                        .contains(QStringLiteral("abgebrochen")));
    }
}

TEST_F(Evaluation, EmptyFolderSaysThereIsNothingToEvaluate) {
    EvaluationWindow* window = open();
    chooser->folder = files.path();
    window->chooseFolder();
    ASSERT_TRUE(waitDone(*window));
    EXPECT_EQ(table(*window).model()->rowCount(), 0);
    EXPECT_TRUE(status(*window).startsWith(QStringLiteral("Keine Permanenzen gefunden")));
    EXPECT_FALSE(window->findChild<QPushButton*>(QStringLiteral("csv"))->isEnabled());
}

// Memory running out inside a worker is said in German; the window lives on.
TEST_F(Evaluation, WorkerOutOfMemoryIsSaid) {
    for (int i = 0; i < 4; ++i) {
        write(QStringLiteral("%1.txt").arg(i), permanence(100, static_cast<unsigned>(i), "x"));
    }
    EvaluationWindow* window = open();
    auto box = std::make_unique<ScriptedMessageBox>();
    const ScriptedMessageBox& shown = *box;
    window->setMessageBox(std::move(box));
    sorvik1::setAllocationFailure([](std::size_t) { return true; });
    chooser->folder = files.path();
    window->chooseFolder();
    const bool done = waitDone(*window);
    sorvik1::setAllocationFailure({});
    ASSERT_TRUE(done);
    ASSERT_EQ(shown.shown.size(), 1U);
    EXPECT_TRUE(shown.shown.front().prompt.contains(QStringLiteral("Mangel an Speicher")));
    EXPECT_TRUE(status(*window).contains(QStringLiteral("Mangel an Speicher")));
}

// The zero rule, the size and the last folder outlive the window.
TEST_F(Evaluation, RemembersRuleSizeAndFolder) {
    EvaluationWindow* window = open();
    window->findChild<QRadioButton*>(QStringLiteral("nullUeberspringen"))->setChecked(true);
    window->resize(700, 500);
    window->close();
    delete window;
    EvaluationWindow* again = open();
    EXPECT_TRUE(again->findChild<QRadioButton*>(QStringLiteral("nullUeberspringen"))->isChecked());
    EXPECT_EQ(again->size(), QSize(700, 500));
    QSettings().setValue(QStringLiteral("auswertung/ordner"), files.path());
    chooser->folder.clear();
    again->chooseFolder();
    EXPECT_EQ(chooser->startedIn, files.path());
}

} // namespace
