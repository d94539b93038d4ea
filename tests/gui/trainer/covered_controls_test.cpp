// Controls under a cover are out of the keyboard's reach, as they are out of
// the mouse's: Tab never lands on them and Space never presses them.
#include "trainer/figure_steps.h"

#include "ui/message_box.h"
#include "ui/text_box.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QRadioButton>

namespace {

class CoveredControls : public FigureWindow {
  protected:
    CoveredControls() {
        QApplication::setActiveWindow(&form);
        form.tabelle1->setFocus();
    }

    // The controls the focus visits while Tab is pressed round the window.
    std::vector<QWidget*> tabbedThrough() {
        std::vector<QWidget*> visited;
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.push_back(QApplication::focusWidget());
        }
        return visited;
    }

    std::vector<QWidget*> rightHandColumn() const {
        return {form.textanzahl, form.Option1[0], form.Option1[1],  form.Option1[2], form.okstart,
                form.okextern,   form.okdruck,    form.okabbrechen, form.okcopy};
    }

    static bool visits(const std::vector<QWidget*>& visited, const QWidget* control) {
        return std::find(visited.begin(), visited.end(), control) != visited.end();
    }
};

TEST_F(CoveredControls, TabSkipsTheCoveredRunSectionUntilAFigureIsActive) {
    std::vector<QWidget*> visited = tabbedThrough();
    for (const QWidget* control : rightHandColumn()) {
        EXPECT_FALSE(visits(visited, control)) << control->objectName().toStdString();
    }
    EXPECT_FALSE(visits(visited, form.tabelle2));
    EXPECT_TRUE(visits(visited, form.okfigok));

    perform({click(3, 1), setzen, ok});
    form.tabelle1->setFocus();
    visited = tabbedThrough();
    EXPECT_TRUE(visits(visited, form.textanzahl));
    EXPECT_TRUE(visits(visited, form.tabelle2));
}

TEST(CoveredControlsAtStartUp, KeysTypedBeforeAFigureStartNoRun) {
    // The count box is first in the focus order and Start comes after the
    // modes: without the covers' guard, typing and Space started a run with
    // no figure.
    Form1 form(Form1::Options{42});
    auto box = std::make_unique<ScriptedMessageBox>();
    box->answers.assign(20, answer::no);
    form.setMessageBox(std::move(box));
    form.show();
    QApplication::setActiveWindow(&form);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("25"));
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3 "));
    }
    EXPECT_EQ(form.textanzahl->text(), QString());
    EXPECT_EQ(form.gestartet, 0);
    EXPECT_EQ(form.anzahl, 0);
}

TEST_F(CoveredControls, TheOpenImportFrameHidesTheRunButtonsFromTheKeyboard) {
    perform({click(3, 1), setzen, ok});
    form.textanzahl->setFocus();
    QTest::keyClicks(form.textanzahl, QStringLiteral("5"));
    QTest::mouseClick(form.okextern, Qt::LeftButton);
    std::vector<QWidget*> visited = tabbedThrough();
    EXPECT_FALSE(visits(visited, form.okstart));
    EXPECT_FALSE(visits(visited, form.textanzahl));
    EXPECT_TRUE(visits(visited, form.okexternabbruch));

    QTest::mouseClick(form.okexternabbruch, Qt::LeftButton);
    visited = tabbedThrough();
    EXPECT_TRUE(visits(visited, form.okstart));
}

TEST_F(CoveredControls, AFocusedControlThatGetsCoveredPassesTheFocusOn) {
    perform({click(3, 1), setzen, ok});
    form.textanzahl->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), form.textanzahl);
    form.okreset->click();
    EXPECT_NE(QApplication::focusWidget(), form.textanzahl);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    EXPECT_EQ(form.textanzahl->text(), QString());
}

} // namespace
