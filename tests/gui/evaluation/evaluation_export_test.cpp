#include "evaluation/evaluation_steps.h"

#include "analyse/analysis.h"
#include "analyse/output.h"
#include "core/wheel/figure_text.h"

#include <QClipboard>
#include <QItemSelectionModel>
#include <QRadioButton>

#include <sstream>

namespace {

// Splits a CSV line at `separator`, honouring double quotes.
QStringList cells(const QString& line, QChar separator) {
    QStringList out{QString()};
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QChar('"')) {
            if (quoted && i + 1 < line.size() && line[i + 1] == QChar('"')) {
                out.back() += c;
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == separator && !quoted) {
            out << QString();
        } else {
            out.back() += c;
        }
    }
    return out;
}

class EvaluationExport : public EvaluationTest {
  protected:
    // Three files, one with a name that needs quoting, zeros skipped.
    EvaluationWindow* evaluated() {
        paths << write(QStringLiteral("x/1 \"a;b\".txt"), permanence(4000, 11, "03.02.2021"))
              << write(QStringLiteral("2.txt"), permanence(2500, 12, "01.02.2021"))
              << write(QStringLiteral("3.txt"), permanence(10, 13, "02.02.2021"));
        EvaluationWindow* window = open();
        window->findChild<QRadioButton*>(QStringLiteral("nullUeberspringen"))->setChecked(true);
        chooser->files = paths;
        window->chooseFiles();
        EXPECT_TRUE(waitDone(*window));
        return window;
    }

    // The rows of the saved CSV file, checked for the byte order mark.
    QList<QStringList> savedCsv(EvaluationWindow& window) {
        chooser->csv = files.filePath(QStringLiteral("out.csv"));
        window.saveCsv();
        QFile file(chooser->csv);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        QList<QStringList> rows;
        for (const QString& line :
             QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            rows << cells(line, QChar(';'));
        }
        return rows;
    }

    QStringList paths;
};

double germanNumber(const QString& text) {
    return QString(text).replace(QChar(','), QChar('.')).toDouble();
}

// Every number of the saved file reads back, decimal comma and all, as the
// very value in the table; texts come back whole.
TEST_F(EvaluationExport, CsvReadsBackAsTheTablesValues) {
    EvaluationWindow* window = evaluated();
    const auto& model = *table(*window).model();
    const QList<QStringList> rows = savedCsv(*window);
    ASSERT_EQ(rows.size(), model.rowCount() + 1);
    EXPECT_EQ(rows[0].value(EvaluationModel::ZValue), QStringLiteral("z-Wert"));
    EXPECT_EQ(rows[0].mid(EvaluationModel::Figure),
              (QStringList{QStringLiteral("Figur"), QStringLiteral("Null")}));
    for (int row = 0; row < model.rowCount(); ++row) {
        const QStringList& csv = rows[row + 1];
        ASSERT_EQ(csv.size(), EvaluationModel::columnCount_);
        EXPECT_EQ(csv.mid(EvaluationModel::Figure),
                  (QStringList{QStringLiteral("rs"), QStringLiteral("Nullen übersprungen")}))
            << "every row says what was counted";
        for (int column = EvaluationModel::Spins; column <= EvaluationModel::Absence; ++column) {
            EXPECT_EQ(germanNumber(csv[column]),
                      model.index(row, column).data(EvaluationModel::valueRole).toDouble())
                << row << "/" << column;
            EXPECT_FALSE(csv[column].contains(QChar('.'))) << csv[column].toStdString();
        }
    }
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const QStringList& row) {
        return row[EvaluationModel::File] == paths[0];
    })) << "a path with a quote and a semicolon comes back whole";
    EXPECT_EQ(rows.back()[EvaluationModel::File], QStringLiteral("Alle 3 Dateien"));
}

// A save that fails says why in a message and never "Gespeichert".
TEST_F(EvaluationExport, AFailedSaveSaysWhyAndNeverSaved) {
    EvaluationWindow* window = evaluated();
    auto box = std::make_unique<ScriptedMessageBox>();
    const ScriptedMessageBox& said = *box;
    window->setMessageBox(std::move(box));
    chooser->csv = files.filePath(QStringLiteral("fehlt/out.csv"));
    window->saveCsv();
    ASSERT_EQ(said.shown.size(), 1u);
    EXPECT_TRUE(said.shown[0].prompt.contains(QStringLiteral("Der Ordner existiert nicht")));
    EXPECT_FALSE(status(*window).contains(QStringLiteral("Gespeichert")));
}

// The command-line tool, given the same files, writes the same numbers in
// its machine form, row for row and in the total.
TEST_F(EvaluationExport, WindowAndToolAgree) {
    EvaluationWindow* window = evaluated();
    const QList<QStringList> windowRows = savedCsv(*window);
    sorvik1::analyse::Options options;
    options.figure = sorvik1::parseFigure("rs").figure;
    options.rule = sorvik1::ZeroRule::Skipped;
    options.format = sorvik1::analyse::OutputFormat::Csv;
    std::vector<sorvik1::analyse::SourceReport> reports;
    for (const QString& path : paths) {
        reports.push_back(*sorvik1::analyse::analyseFile(path.toStdString(), options).report);
    }
    std::ostringstream out;
    sorvik1::analyse::writeCsv(out, reports, options);
    const QStringList toolLines =
        QString::fromStdString(out.str()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(toolLines.size(), windowRows.size());
    const QStringList keys = cells(toolLines[0], QChar(','));
    const std::pair<const char*, int> same[] = {{"wuerfe", EvaluationModel::Spins},
                                                {"vorkommen", EvaluationModel::Found},
                                                {"erwartet", EvaluationModel::Expected},
                                                {"standardabweichung", EvaluationModel::Deviation},
                                                {"z_wert", EvaluationModel::ZValue}};
    // The window sorts by path, the tool keeps the order given.
    const auto windowRow = [&](const QString& source) {
        for (const QStringList& row : windowRows) {
            if (row[EvaluationModel::File] == source) {
                return row;
            }
        }
        return QStringList();
    };
    for (int row = 1; row < toolLines.size(); ++row) {
        const QStringList tool = cells(toolLines[row], QChar(','));
        const QStringList shown = windowRow(tool[keys.indexOf(QStringLiteral("quelle"))]);
        ASSERT_EQ(shown.size(), EvaluationModel::columnCount_) << row;
        for (const auto& [key, column] : same) {
            const auto at = keys.indexOf(QString::fromLatin1(key));
            ASSERT_GE(at, 0) << key;
            EXPECT_EQ(tool[at].toDouble(), germanNumber(shown[column])) << row << " " << key;
        }
    }
}

// Kopieren takes the selected rows in the table's order, tab-separated,
// headings first.
TEST_F(EvaluationExport, CopyTakesTheSelectedRows) {
    EvaluationWindow* window = evaluated();
    QTableView& view = table(*window);
    view.selectionModel()->select(view.model()->index(2, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view.selectionModel()->select(view.model()->index(0, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    window->copyRows();
    const QStringList lines =
        QApplication::clipboard()->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Datei\tSpielbank\t")));
    EXPECT_TRUE(lines[1].startsWith(view.model()->index(0, 0).data().toString() + "\t"));
    EXPECT_TRUE(lines[2].startsWith(view.model()->index(2, 0).data().toString() + "\t"));
    EXPECT_EQ(lines[1].count(QChar('\t')), EvaluationModel::columnCount_ - 1);
}

// A header a spreadsheet would run as a formula arrives as text, in the
// file and on the clipboard; the numbers stay numbers.
TEST_F(EvaluationExport, FormulasArriveAsText) {
    EvaluationWindow* window = open();
    chooser->files << write(QStringLiteral("+SUM(1).txt"),
                            permanence(200, 5, "D").replace("Tisch 1", "@SUM(1+1)"));
    window->chooseFiles();
    ASSERT_TRUE(waitDone(*window));
    const QList<QStringList> saved = savedCsv(*window);
    EXPECT_TRUE(saved[1][EvaluationModel::File].endsWith(QStringLiteral("+SUM(1).txt")));
    EXPECT_EQ(saved[1][EvaluationModel::Table], QStringLiteral("'@SUM(1+1)"));
    window->copyRows();
    const QStringList copied =
        QApplication::clipboard()->text().split(QStringLiteral("\r\n"))[1].split(QChar('\t'));
    EXPECT_EQ(copied[EvaluationModel::Table], QStringLiteral("'@SUM(1+1)"));
    EXPECT_FALSE(copied[EvaluationModel::ZValue].startsWith(QChar('\'')));
}

} // namespace
