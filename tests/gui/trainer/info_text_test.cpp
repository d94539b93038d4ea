// The shipped info text as a reader sees it in its narrow box: paragraphs
// that the box wraps, headings on one line, list items indented as a whole.
#include "window_fixture.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

namespace {

QStringList shippedLines() {
    QFile shipped(QStringLiteral(SORVIK1_INFO_FILE));
    EXPECT_TRUE(shipped.open(QIODevice::ReadOnly));
    return QString::fromUtf8(shipped.readAll()).split(QLatin1Char('\n'));
}

bool isUnderline(const QString& line) {
    static const QRegularExpression rule(QStringLiteral("^(=+|-+)$"));
    return rule.match(line).hasMatch();
}

bool isListItem(const QString& line) {
    static const QRegularExpression marker(QStringLiteral("^([0-9]+\\.|-) "));
    return marker.match(line).hasMatch();
}

// A hard break in the middle of a sentence makes the box break the line a
// second time, a few words further on.
TEST(InfoText, BreaksLinesOnlyWhereTheTextEndsOrAListOrHeadingFollows) {
    const QStringList lines = shippedLines();
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QString& line = lines[i];
        const QString& next = lines[i + 1];
        const bool ends = line.isEmpty() || QStringLiteral(".:!?").contains(line.back());
        const bool before = next.isEmpty() || isUnderline(next) || isListItem(next);
        EXPECT_TRUE(ends || before) << "line " << i + 1 << ": " << line.toStdString();
    }
}

TEST_F(WindowTest, InfoBoxShowsHeadingsOnOneLineAndListItemsIndented) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(QStringLiteral(SORVIK1_INFO_FILE),
                            dir.filePath(QStringLiteral("info_Sorvik1.txt"))));
    form.setProgramDirectory(dir.path());
    form.show();
    form.okinfo->click();
    QTextDocument& document = *form.infotext->document();
    document.setTextWidth(form.infotext->viewport()->width());
    int items = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        // A long document is laid out lazily; this lays out up to the block.
        document.documentLayout()->blockBoundingRect(block);
        const QTextLayout& layout = *block.layout();
        const bool heading = block.next().isValid() && isUnderline(block.next().text());
        if (heading || isUnderline(text)) {
            EXPECT_EQ(layout.lineCount(), 1) << text.toStdString();
        }
        if (isListItem(text)) {
            ++items;
            const qreal textStart = layout.lineAt(0).cursorToX(text.indexOf(QLatin1Char(' ')) + 1);
            for (int line = 1; line < layout.lineCount(); ++line) {
                EXPECT_NEAR(layout.lineAt(line).x(), textStart, 1.0) << text.toStdString();
            }
        }
    }
    EXPECT_GT(items, 0);
}

} // namespace
