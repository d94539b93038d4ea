// The grid, the caption label and the list box as the handlers use them.
#include "ui/caption_label.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"
#include "ui/text_box.h"

#include <QAccessible>
#include <QApplication>

#include <gtest/gtest.h>

namespace {

GridColours plain() {
    return {Qt::white, Qt::black, Qt::gray, Qt::black, Qt::gray, Qt::gray, Qt::black};
}

TEST(FlexGridTest, CellOperationsActOnTheCurrentCell) {
    FlexGrid grid(3, 3, plain());
    grid.setRow(2);
    grid.setCol(1);
    grid.setText(QStringLiteral("36"));
    grid.setCellBackColor(240);
    EXPECT_EQ(grid.text(), QStringLiteral("36"));
    EXPECT_EQ(grid.cellBackColor(), 240u);
    grid.setCol(2);
    EXPECT_EQ(grid.text(), QString());
    EXPECT_EQ(grid.cellBackColor(), 0u);
    // Moving the current cell from the program moves the selection end along.
    EXPECT_EQ(grid.rowSel(), 2);
    EXPECT_EQ(grid.colSel(), 2);
    grid.flush();
    EXPECT_EQ(grid.currentIndex().row(), 2);
    EXPECT_EQ(grid.currentIndex().column(), 2);
}

TEST(FlexGridTest, ClearEmptiesEveryCellButKeepsRowsAndColumns) {
    FlexGrid grid(4, 5, plain());
    grid.setRow(3);
    grid.setCol(0);
    grid.setText(QStringLiteral("4"));
    grid.setCol(2);
    grid.setCellBackColor(49152);
    grid.clear();
    EXPECT_EQ(grid.rows(), 4);
    EXPECT_EQ(grid.cols(), 5);
    EXPECT_EQ(grid.textAt(3, 0), QString());
    EXPECT_EQ(grid.cellBackColorAt(3, 2), 0u);
}

TEST(FlexGridTest, TopRowIsLimitedToTheScrollRange) {
    FlexGrid grid(100, 2, plain());
    grid.resize(200, 15 * 10 + 2);
    grid.show();
    grid.setTopRow(20);
    EXPECT_EQ(grid.topRow(), 20);
    grid.setTopRow(1000);
    const int last = grid.topRow();
    EXPECT_GT(last, 80);
    EXPECT_LE(last, 95);
    grid.setTopRow(-5);
    EXPECT_EQ(grid.topRow(), 0);
}

TEST(FlexGridTest, ViewShowsProgramChangesOnlyAfterFlushing) {
    FlexGrid grid(2, 2, plain());
    int changeSignals = 0;
    QObject::connect(grid.model(), &QAbstractItemModel::dataChanged, [&] { ++changeSignals; });
    for (int i = 0; i < 1000; ++i) {
        grid.setRow(i % 2);
        grid.setText(QString::number(i));
    }
    EXPECT_EQ(changeSignals, 0);
    QApplication::processEvents();
    EXPECT_EQ(changeSignals, 1);
    EXPECT_EQ(grid.model()->data(grid.model()->index(1, 0)).toString(), QStringLiteral("999"));
}

TEST(FlexGridTest, ManyRowsCostNoObjectPerCell) {
    FlexGrid grid(1, 5, plain());
    grid.setRows(1'000'001);
    grid.setCol(0);
    grid.setRow(1'000'000);
    grid.setText(QStringLiteral("1000001"));
    EXPECT_EQ(grid.rows(), 1'000'001);
    EXPECT_EQ(grid.textAt(1'000'000, 0), QStringLiteral("1000001"));
    grid.setRows(2);
    EXPECT_EQ(grid.rows(), 2);
}

TEST(CaptionLabelTest, KeepsTheCaptionAndBreaksAtCarriageReturns) {
    CaptionLabel label;
    const QString caption = QStringLiteral(" eins\rzwei\r drei ");
    label.setCaption(caption);
    EXPECT_EQ(label.caption(), caption);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral(" eins\nzwei\n drei "));
    EXPECT_EQ(label.sizeHint().height(), 3 * label.fontMetrics().lineSpacing());
}

TEST(ListBoxTest, EntriesAppendInOrderAndRemoveFromTheFront) {
    ListBox list;
    for (int i = 1; i <= 15; ++i) {
        list.addItem(QString::number(i * 3));
    }
    EXPECT_EQ(list.listCount(), 15);
    EXPECT_EQ(list.list(0), QStringLiteral("3"));
    EXPECT_EQ(list.list(14), QStringLiteral("45"));
    EXPECT_EQ(list.listIndex(), -1);
    list.flush();
    EXPECT_EQ(list.model()->rowCount(), 15);
    const int n = list.listCount();
    for (int i = 0; i < n; ++i) {
        list.removeItem(0);
    }
    EXPECT_EQ(list.listCount(), 0);
    list.flush();
    EXPECT_EQ(list.model()->rowCount(), 0);
}

TEST(TextBoxTest, ChangeRunsAtOnceAndNotForTheSameText) {
    TextBox box;
    int changes = 0;
    QObject::connect(&box, &TextBox::Change, [&] { ++changes; });
    box.setText(QStringLiteral("12"));
    EXPECT_EQ(changes, 1);
    box.setText(QStringLiteral("12"));
    EXPECT_EQ(changes, 1);
    box.setText(QString());
    EXPECT_EQ(changes, 2);
}

} // namespace
