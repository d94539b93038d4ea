#include "evaluation/evaluation_steps.h"

#include "auswertung/search_model.h"
#include "auswertung/search_tab.h"

#include <QListView>
#include <QPushButton>
#include <QSpinBox>

namespace {

using FolderSearch = EvaluationTest;

// Without a figure the chosen folder goes to the search alone: it walks the
// folder as the evaluation does, lists what it left out on the window's
// list, and saves the figures shown, in the table's order, as CSV.
TEST_F(FolderSearch, SearchesTheChosenFolderAndSavesTheFiguresShown) {
    setRun(form, {"none", "", 0, 0, 0, {}});
    form.figanfang = 0;
    form.figende = 0;
    write(QStringLiteral("a/1.txt"), permanence(3000, 1, "02.01.2020"));
    write(QStringLiteral("a/b/2.txt"), permanence(2000, 2, "01.01.2020"));
    write(QStringLiteral("bad.txt"), "Spielbank\r\nT\r\nD\r\nP\r\n40\r\n");
    EvaluationWindow* window = open();
    chooser->folder = files.path();
    window->chooseFolder();
    auto* tab = window->findChild<SearchTab*>();
    tab->findChild<QSpinBox*>()->setValue(2);
    tab->search();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tab->busy(); }, 20'000));

    const QAbstractItemModel& shown = *tab->findChild<QTableView*>()->model();
    ASSERT_EQ(shown.rowCount(), 2 + 4);
    const QString summary = tab->findChild<QLabel*>(QStringLiteral("zusammenfassung"))->text();
    EXPECT_TRUE(summary.contains(QStringLiteral("in 5.000 Würfen (2 Quellen)")))
        << summary.toStdString();
    const QString refused = window->findChild<QListView*>(QStringLiteral("abgelehnt"))
                                ->model()
                                ->index(0, 0)
                                .data()
                                .toString();
    EXPECT_TRUE(refused.startsWith(files.filePath(QStringLiteral("bad.txt"))))
        << refused.toStdString();

    chooser->csv = files.filePath(QStringLiteral("figuren.csv"));
    tab->findChild<QPushButton*>(QStringLiteral("figurenCsv"))->click();
    QFile file(chooser->csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines =
        QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + shown.rowCount());
    EXPECT_EQ(lines[0], QStringLiteral("figur;spannweite;besetzt;vorkommen;erwartet;"
                                       "standardabweichung;z_wert;p_wert;p_methode;p_holm;"
                                       "auffaellig;chance"));
    for (int row = 0; row < shown.rowCount(); ++row) {
        const QStringList cells = lines[row + 1].split(QChar(';'));
        ASSERT_EQ(cells.size(), 12);
        EXPECT_EQ(cells[11], QStringLiteral("rot-schwarz"));
        EXPECT_EQ(cells[0], shown.index(row, SearchModel::FigureText).data().toString());
        EXPECT_EQ(QString(cells[6]).replace(QChar(','), QChar('.')).toDouble(),
                  shown.index(row, SearchModel::Z).data(Qt::UserRole).toDouble());
    }
}

} // namespace
