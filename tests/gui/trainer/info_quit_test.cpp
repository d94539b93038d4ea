// The info box and the confirmed quit.
#include "window_fixture.h"

#include <QFile>
#include <QFrame>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

namespace {

class InfoTest : public WindowTest {
  protected:
    void useInfoFile(const QByteArray& content) {
        QFile file(dir.filePath(QStringLiteral("info_Sorvik1.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        form.setProgramDirectory(dir.path());
    }
    QTemporaryDir dir;
};

TEST_F(InfoTest, ShowsTheFileThenHidesAndEmptiesTheBox) {
    useInfoFile("Sorvik1 hilft beim Üben.\nZweite Zeile.");
    for (int round = 0; round < 2; ++round) {
        form.okinfo->click();
        EXPECT_TRUE(form.infotext->isVisibleTo(&form));
        EXPECT_EQ(form.infotext->toPlainText(),
                  QStringLiteral("Sorvik1 hilft beim Üben.\nZweite Zeile."));
        EXPECT_EQ(form.okinfo->text(), QStringLiteral("Ende Info"));
        EXPECT_FALSE(form.zudeck2->isVisibleTo(&form));

        form.okinfo->click();
        EXPECT_FALSE(form.infotext->isVisibleTo(&form));
        EXPECT_EQ(form.infotext->toPlainText(), QString());
        EXPECT_EQ(form.okinfo->text(), QStringLiteral("Info"));
        // The middle stays uncovered once the box has been shown.
        EXPECT_FALSE(form.zudeck2->isVisibleTo(&form));
    }
}

TEST_F(InfoTest, MissingFileShowsTheProblemInTheBox) {
    form.setProgramDirectory(dir.path());
    form.okinfo->click();
    EXPECT_TRUE(form.infotext->isVisibleTo(&form));
    EXPECT_EQ(form.infotext->toPlainText(),
              QStringLiteral("Problem:\nKann die Datei Info_Sorvik1.txt nicht finden."));
    EXPECT_EQ(form.okinfo->text(), QStringLiteral("Ende Info"));
    form.okinfo->click();
    EXPECT_EQ(form.infotext->toPlainText(), QString());
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(InfoTest, ShippedInfoTextIsGermanAndCoversTheTrainer) {
    QFile shipped(QStringLiteral(SORVIK1_INFO_FILE));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(shipped.readAll());
    for (const char* topic : {"Figur", "Einzelschritt", "Durchlauf", "Halt bei Figur", "Import",
                              "Spielbank", "Druck"}) {
        EXPECT_TRUE(content.contains(QString::fromUtf8(topic))) << topic;
    }
}

TEST_F(WindowTest, EndeAsksAndNoKeepsTheWindow) {
    form.show();
    messages->answers = {answer::no};
    form.okende->click();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].prompt, QStringLiteral("Soll das Programm beendet werden ?     "));
    EXPECT_EQ(messages->shown[0].style, 36);
    EXPECT_EQ(messages->shown[0].title, QStringLiteral(" Beenden"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(quitCalls, 0);
}

TEST_F(WindowTest, EndeYesClosesTheWindowAndEndsTheProgram) {
    form.show();
    messages->answers = {answer::yes};
    form.okende->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(quitCalls, 1);
}

} // namespace
