// The windows beside the trainer are reachable without a mouse and readable
// by assistive tools: shortcuts anywhere in the window, the context menu by
// keys, the statistics values by name, the trainer announced as a window.
#include "statistics/statistics_steps.h"

#include "stats/statistics_view.h"
#include "ui/flexgrid.h"
#include "ui/text_box.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QPushButton>

#include <utility>
#include <vector>

namespace {

class KeyboardPaths : public WindowTest {
  protected:
    KeyboardPaths() {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    StatisticsWindow* statistics() const { return form.findChild<StatisticsWindow*>(); }
};

struct KeyCase {
    const char* name;
    QWidget* (*focus)(Form1&);
    QKeyCombination key;
    bool opensMenu; // otherwise it opens the statistics window at once
};

class KeyPath : public KeyboardPaths, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyPath, ReachesTheStatistics) {
    const KeyCase& c = GetParam();
    QWidget* focus = c.focus(form);
    focus->setFocus();
    if (c.key.key() == Qt::Key_Menu) {
        // The X11 platform turns the menu key into this request itself.
        const QPoint centre = focus->rect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, centre, focus->mapToGlobal(centre));
        QApplication::sendEvent(focus, &request);
    } else {
        // Through the window, as the system delivers keys.
        QTest::keyClick(form.windowHandle(), c.key.key(), c.key.keyboardModifiers());
    }
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_EQ(menu != nullptr, c.opensMenu);
    if (menu) {
        ASSERT_FALSE(menu->actions().empty());
        EXPECT_EQ(menu->actions().front()->shortcut(), QKeySequence(Qt::Key_F7));
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    }
    ASSERT_NE(statistics(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return statistics()->isVisible(); }));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyPath,
    testing::Values(KeyCase{"F7InTheCountBox", [](Form1& f) -> QWidget* { return f.textanzahl; },
                            Qt::Key_F7, false},
                    KeyCase{"F7InTheFigureGrid", [](Form1& f) -> QWidget* { return f.tabelle1; },
                            Qt::Key_F7, false},
                    KeyCase{"MenuKeyOnTheList", [](Form1& f) -> QWidget* { return f.Liste; },
                            Qt::Key_Menu, true},
                    KeyCase{"ShiftF10OnTheList", [](Form1& f) -> QWidget* { return f.Liste; },
                            Qt::SHIFT | Qt::Key_F10, true}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(KeyboardPaths, TheMenuShowsItsEntriesAndShortcutsToAssistiveTools) {
    form.Liste->setFocus();
    QTest::keyClick(form.Liste, Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(menu);
    EXPECT_EQ(a->role(), QAccessible::PopupMenu);
    const std::vector<std::pair<QString, QString>> entries{
        {QStringLiteral("Statistik …"), QStringLiteral("F7")},
        {QStringLiteral("Permanenzen auswerten …"), QStringLiteral("F8")},
        {QStringLiteral("Übung …"), QStringLiteral("F9")},
        {QStringLiteral("Strategietest …"), QStringLiteral("F6")}};
    ASSERT_EQ(a->childCount(), static_cast<int>(entries.size()));
    for (int i = 0; i < a->childCount(); ++i) {
        QAccessibleInterface* item = a->child(i);
        EXPECT_EQ(item->role(), QAccessible::MenuItem);
        EXPECT_EQ(item->text(QAccessible::Name), entries[static_cast<std::size_t>(i)].first);
        EXPECT_EQ(item->text(QAccessible::Accelerator),
                  entries[static_cast<std::size_t>(i)].second);
    }
    menu->close();
}

TEST_F(KeyboardPaths, TheStatisticsValuesReadTheirTextAndNameTheirCaption) {
    setRun(form, RunState{"Run", "rs", 1, 500, 1000, {3, 90}});
    QTest::keyClick(form.textanzahl, Qt::Key_F7);
    ASSERT_NE(statistics(), nullptr);
    int read = 0;
    for (const QLabel* caption : statistics()->findChildren<QLabel*>()) {
        QWidget* value = caption->buddy();
        if (!value) {
            continue;
        }
        SCOPED_TRACE(value->objectName().toStdString());
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(value);
        EXPECT_EQ(a->text(QAccessible::Name), qobject_cast<QLabel*>(value)->text());
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty());
        const auto by = a->relations(QAccessible::Label);
        ASSERT_EQ(by.size(), 1);
        EXPECT_EQ(by.front().first->object(), caption);
        ++read;
    }
    EXPECT_EQ(read, StatisticsView::rowCount);
    EXPECT_EQ(shown(*statistics(), "gefunden"), QStringLiteral("2"));
}

TEST_F(KeyboardPaths, TheTrainerIsAnnouncedAsAWindowWithItsTitle) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&form);
    EXPECT_EQ(a->role(), QAccessible::Window);
    EXPECT_EQ(a->text(QAccessible::Name), form.windowTitle());
}

} // namespace
