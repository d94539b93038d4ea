#include "trainer/run_fixture.h"

#include "ui/message_box.h"

namespace {

class NewStart : public RunTest {
  protected:
    // A finished run with an occurrence pending at spin 3.
    void finishRun() {
        useFigure({{1, sorvik1::red}, {2, sorvik1::red}});
        load({2, 1, 1, 2, 2, 2});
        select(durchlauf);
        press();
        ASSERT_EQ(form.figbeiwurf, 3);
    }
};

TEST_F(NewStart, AskedAndConfirmedEmptiesTheRunSectionAndKeepsTheFigure) {
    finishRun();
    const auto figur = form.figur;
    messages->answers.push_back(answer::yes);
    form.okabbrechen->click();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].prompt, QStringLiteral("Abbruch bitte bestätigen !     "));
    EXPECT_EQ(messages->shown[0].style, msgstyle::yesNoAsk);
    EXPECT_EQ(messages->shown[0].title, QStringLiteral(" Abbruch"));

    EXPECT_EQ(form.Liste->listCount(), 0);
    EXPECT_EQ(form.lmenge->caption(), QString());
    EXPECT_EQ(form.lakut->caption(), QString());
    EXPECT_EQ(form.lzahl->caption(), QString());
    EXPECT_EQ(form.tabelle2->rows(), 7);
    EXPECT_EQ(form.tabelle2->textAt(0, 0), QString());
    EXPECT_EQ(form.tabelle2->cellBackColorAt(1, 1), 0u);
    EXPECT_EQ(form.tabelle2->topRow(), 0);
    EXPECT_EQ(form.wurf, 0);
    EXPECT_EQ(form.anzahl, 0);
    EXPECT_EQ(form.importiert, 0);
    EXPECT_EQ(form.gestartet, 0);
    EXPECT_EQ(form.figbeiwurf, 0);
    EXPECT_EQ(form.figur, figur);
    EXPECT_TRUE(form.okextern->isEnabled());
    EXPECT_FALSE(form.okstart->isEnabled());
    EXPECT_EQ(form.okstart->text(), QStringLiteral("Start"));
    EXPECT_FALSE(form.okabbrechen->isEnabled());
    EXPECT_FALSE(form.okdruck->isEnabled());
    EXPECT_TRUE(form.textanzahl->isEnabled());
    EXPECT_EQ(form.textanzahl->text(), QString());
    EXPECT_EQ(form.text->caption(), runInstruction[0] + QChar(13) + runInstruction[1] + QChar(13) +
                                        runInstruction[2] + QChar(13) + runInstruction[3]);
}

TEST_F(NewStart, AnsweredNoChangesNothing) {
    finishRun();
    const QString caption = form.text->caption();
    messages->answers.push_back(answer::no);
    form.okabbrechen->click();
    EXPECT_EQ(form.Liste->listCount(), 1);
    EXPECT_EQ(form.wurf, 6);
    EXPECT_EQ(form.text->caption(), caption);
    EXPECT_TRUE(form.okabbrechen->isEnabled());
}

TEST_F(NewStart, AnOccurrenceOfTheAbandonedRunDoesNotHaltTheNextOne) {
    finishRun();
    form.okabbrechen->click();
    load({2, 2, 2, 2, 2, 2});
    select(haltBeiFigur);
    press();
    EXPECT_TRUE(ended());
    EXPECT_EQ(form.wurf, 6);
}

TEST_F(NewStart, InTheMiddleOfARunLetsANewCountStartAFreshRun) {
    useFigure({{1, sorvik1::red}});
    form.textanzahl->setText(QStringLiteral("10"));
    press();
    press();
    form.okabbrechen->click();
    form.textanzahl->setText(QStringLiteral("4"));
    press();
    EXPECT_EQ(form.wurf, 1);
    EXPECT_EQ(form.tabelle2->rows(), 5);
    EXPECT_EQ(form.zahlen.size(), 25u);
}

// The numbers a window started with a seed shows for a run of 50 spins.
QStringList seededRun(Form1& form) {
    form.figur[1] = sorvik1::red;
    form.figanfang = form.figende = 1;
    form.Option1[1]->setChecked(true);
    form.textanzahl->setText(QStringLiteral("50"));
    form.okstart->click();
    QStringList numbers;
    for (int r = 0; r < 50; ++r) {
        numbers << form.tabelle2->textAt(r, 4);
    }
    return numbers;
}

TEST(Seed, RepeatsTheNumbersOfARunInAnyWindowAndAfterANewStart) {
    Form1 first(Form1::Options{7});
    first.setMessageBox(std::make_unique<ScriptedMessageBox>());
    Form1 second(Form1::Options{7});
    Form1 other(Form1::Options{8});
    const QStringList numbers = seededRun(first);
    EXPECT_EQ(seededRun(second), numbers);
    EXPECT_NE(seededRun(other), numbers);
    first.okabbrechen_Click();
    EXPECT_EQ(seededRun(first), numbers);
}

} // namespace
