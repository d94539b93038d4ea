#include "trainer/figure_steps.h"

#include "auswertung/search_model.h"
#include "auswertung/search_tab.h"
#include "core/wheel/random.h"
#include "figure/figure_grid.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>

namespace {

using figuregrid::blackMarks;
using figuregrid::redMarks;

QString permanenceFile(const QTemporaryDir& dir, const QString& name, const std::string& spins) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Spielbank Test\r\nTisch 1\r\n2024\r\nx\r\n");
    file.write(spins.c_str());
    return path;
}

std::string randomSpins(int count) {
    sorvik1::Random generator(5);
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += std::to_string(generator.number()) + "\r\n";
    }
    return text;
}

class SearchTabTest : public FigureWindow {
  protected:
    SearchTabTest() {
        auto box = std::make_unique<ScriptedMessageBox>();
        tabMessages = box.get();
        tab.setMessageBox(std::move(box));
    }

    void searchFiles(const QStringList& files, int span) {
        tab.findChild<QSpinBox*>()->setValue(span);
        tab.setSources(files);
        tab.search();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !tab.busy(); }, 20'000));
    }

    QString summary() const {
        return tab.findChild<QLabel*>(QStringLiteral("zusammenfassung"))->text();
    }

    QTableView* table() const { return tab.findChild<QTableView*>(QStringLiteral("figuren")); }

    void select(const QString& figure) {
        const QAbstractItemModel* model = table()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, SearchModel::FigureText).data() == figure) {
                table()->selectRow(row);
                return;
            }
        }
        ADD_FAILURE() << figure.toStdString() << " not in the table";
    }

    QTemporaryDir dir;
    SearchTab tab{form};
    ScriptedMessageBox* tabMessages;
};

TEST_F(SearchTabTest, SearchesTheChosenFilesAndNamesWhatItCouldNotRead) {
    struct Case {
        std::string spins;
        int rows;
        const char* says;
    };
    for (const Case& c :
         {Case{randomSpins(3000), 2 + 4 + 12 + 36, "54 Figuren durchsucht"},
          Case{"0\r\n0\r\n0\r\n", 0, "alle Null"}, Case{"1\r\n2\r\n", 0, "4 gezählte Würfe"}}) {
        searchFiles({permanenceFile(dir, "tisch.txt", c.spins), dir.filePath("fehlt.txt")}, 4);
        EXPECT_EQ(table()->model()->rowCount(), c.rows);
        EXPECT_TRUE(summary().contains(QString::fromUtf8(c.says))) << summary().toStdString();
        EXPECT_TRUE(
            summary().contains(QStringLiteral("Nicht gelesen: ") + dir.filePath("fehlt.txt")));
    }
    // Highest z first.
    searchFiles({permanenceFile(dir, "tisch.txt", randomSpins(3000))}, 4);
    const auto z = [&](int row) {
        return table()->model()->index(row, SearchModel::Z).data(Qt::UserRole).toDouble();
    };
    EXPECT_GE(z(0), z(1));
}

// One choice of the chance, with all three together as its last entry:
// every figure of every chance, each in its own letters.
TEST_F(SearchTabTest, SearchesAllThreeChancesTogether) {
    const auto choices = tab.findChildren<QComboBox*>(QStringLiteral("chance"));
    ASSERT_EQ(choices.size(), 1);
    choices.front()->setCurrentIndex(choices.front()->count() - 1);
    searchFiles({permanenceFile(dir, "tisch.txt", randomSpins(3000))}, 2);
    ASSERT_EQ(table()->model()->rowCount(), 3 * (2 + 4));
    QStringList figures;
    for (int row = 0; row < table()->model()->rowCount(); ++row) {
        figures << table()->model()->index(row, SearchModel::FigureText).data().toString();
    }
    for (const char* figure : {"rs", "gu", "th"}) {
        EXPECT_TRUE(figures.contains(QString::fromLatin1(figure))) << figure;
    }
    choices.front()->setCurrentIndex(0);
}

// The figure is drawn as the user draws it: the old marks go, the new ones
// come, and "OK" then activates exactly that figure.
TEST_F(SearchTabTest, TakesTheFigureIntoTheGridOnlyWhileItIsOpenForDrawing) {
    searchFiles({permanenceFile(dir, "tisch.txt", randomSpins(3000))}, 4);
    mark(0, blackMarks.column);
    mark(5, redMarks.column);
    select(QStringLiteral("rs.r"));
    auto* take = tab.findChild<QPushButton*>(QStringLiteral("uebernehmen"));
    QTest::mouseClick(take, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(tabMessages->shown.empty());
    const Marks drawn{{{0, redMarks.column}, redMark},
                      {{1, blackMarks.column}, blackMark},
                      {{3, redMarks.column}, redMark}};
    EXPECT_EQ(marks(), drawn);

    perform({ok});
    EXPECT_EQ(form.figanfang, 1);
    EXPECT_EQ(form.figende, 4);
    // With a figure active, nothing is drawn and the user is told why.
    select(QStringLiteral("ss"));
    QTest::mouseClick(take, Qt::LeftButton);
    EXPECT_EQ(marks(), drawn);
    ASSERT_EQ(tabMessages->shown.size(), 1U);
    EXPECT_TRUE(tabMessages->shown[0].prompt.contains(QStringLiteral("„Reset“")));
}

} // namespace
