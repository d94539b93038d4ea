#include "trainer/import_fixture.h"

#include "ui/caption_label.h"
#include "ui/drive_list.h"
#include "ui/text_box.h"

#include <QDir>

namespace {

using ImportFrame = ImportTest;

TEST_F(ImportFrame, ImportOpensTheFrameInTheCurrentDirectoryWithItsInstruction) {
    EXPECT_FALSE(frameShown());
    EXPECT_EQ(form.Dir1->path(), QDir::cleanPath(QDir::currentPath()));
    EXPECT_EQ(form.File1->path(), form.Dir1->path());

    form.okextern->click();

    EXPECT_TRUE(frameShown());
    EXPECT_EQ(form.text->caption(), QStringLiteral("  Geben Sie den Ort an, wo sich die Datei\r"
                                                   "   mit den Permanenzen der Hamburger Spiel-\r"
                                                   "   bank befindet und drücken Sie anschl. OK"));
}

TEST_F(ImportFrame, FileListShowsTheTextFilesOfTheOpenedDirectory) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("sub")));
    write(QStringLiteral("sub/b.txt"), "x");
    write(QStringLiteral("sub/A.TXT"), "x");
    write(QStringLiteral("sub/c.csv"), "x");
    form.okextern_Click();
    ASSERT_TRUE(form.Dir1->setPath(dir.path()));
    const QList<QListWidgetItem*> sub =
        form.Dir1->findItems(QStringLiteral("sub"), Qt::MatchEndsWith);
    ASSERT_EQ(sub.size(), 1);

    form.Dir1->setCurrentItem(sub.front());
    QTest::keyClick(form.Dir1, Qt::Key_Return);

    EXPECT_EQ(form.Dir1->path(), dir.filePath(QStringLiteral("sub")));
    EXPECT_EQ(form.File1->path(), form.Dir1->path());
    ASSERT_EQ(form.File1->listCount(), 2);
    EXPECT_EQ(form.File1->item(0)->text(), QStringLiteral("A.TXT"));
    EXPECT_EQ(form.File1->item(1)->text(), QStringLiteral("b.txt"));
    // The path from the root comes first, so the user can go back up.
    EXPECT_EQ(form.Dir1->item(0)->text(), QStringLiteral("/"));
}

TEST_F(ImportFrame, OkFollowsTheFileListOnlyWhenItIsClicked) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("empty")));
    write(QStringLiteral("p.txt"), "Spielbank\r\n");
    EXPECT_FALSE(form.okexternok->isEnabled());

    choose(dir.path(), QStringLiteral("p.txt"));
    EXPECT_TRUE(form.okexternok->isEnabled());
    EXPECT_EQ(form.File1->fileName(), QStringLiteral("p.txt"));

    // Another directory does not touch OK; pressing it then names the
    // directory that holds no chosen file, and the frame stays open.
    ASSERT_TRUE(form.Dir1->setPath(dir.filePath(QStringLiteral("empty"))));
    EXPECT_TRUE(form.okexternok->isEnabled());
    form.okexternok->click();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->shown[0].prompt.contains(QStringLiteral("keine Datei ausgewählt")));
    EXPECT_TRUE(frameShown());

    QTest::mouseClick(form.File1->viewport(), Qt::LeftButton);
    EXPECT_FALSE(form.okexternok->isEnabled());
}

TEST_F(ImportFrame, CancelReturnsToRandomNumbersAndKeepsTheRest) {
    write(QStringLiteral("p.txt"), "x");
    choose(dir.path(), QStringLiteral("p.txt"));
    form.textanzahl->setText(QStringLiteral("25"));
    form.importiert = 1;

    form.okexternabbruch->click();

    EXPECT_EQ(form.importiert, 0);
    EXPECT_FALSE(frameShown());
    EXPECT_EQ(form.text->caption(), runInstruction[0] + QChar(13) + runInstruction[1] + QChar(13) +
                                        runInstruction[2] + QChar(13) + runInstruction[3]);
    EXPECT_EQ(form.anzahl, 25);
    EXPECT_EQ(form.textanzahl->text(), QStringLiteral("25"));
    EXPECT_TRUE(form.okextern->isEnabled());
    EXPECT_TRUE(form.okexternok->isEnabled());
}

TEST_F(ImportFrame, DriveThatCannotBeReadKeepsTheListsWithoutAMessage) {
    form.okextern_Click();
    ASSERT_TRUE(form.Dir1->setPath(dir.path()));
    form.Drive1->addItem(QStringLiteral("gone"), dir.filePath(QStringLiteral("no-such-drive")));

    form.Drive1->setCurrentIndex(form.Drive1->count() - 1);

    EXPECT_EQ(form.Drive1->currentText(), QStringLiteral("gone"));
    EXPECT_EQ(form.Dir1->path(), dir.path());
    EXPECT_EQ(form.File1->path(), dir.path());
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(ImportFrame, NewDriveSwitchesBothLists) {
    form.okextern_Click();
    ASSERT_TRUE(form.Dir1->setPath(QStringLiteral("/")));
    form.Drive1->addItem(QStringLiteral("scratch"), dir.path());

    form.Drive1->setCurrentIndex(form.Drive1->count() - 1);

    EXPECT_EQ(form.Dir1->path(), dir.path());
    EXPECT_EQ(form.File1->path(), dir.path());
}

TEST_F(ImportFrame, FileListFollowsFilesAddedWhileItIsOpen) {
    form.okextern_Click();
    ASSERT_TRUE(form.Dir1->setPath(dir.path()));
    write(QStringLiteral("new.txt"), "x");

    // The list learns of the file from the system; give it the time it needs.
    for (int i = 0; i < 500 && form.File1->listCount() == 0; ++i) {
        QTest::qWait(10);
    }

    EXPECT_EQ(form.File1->listCount(), 1);
}

} // namespace
