#include "perform.h"

#include "action.h"
#include "permanence_folder.h"
#include "scripted_message_box.h"
#include "scripted_printer.h"
#include "session.h"
#include "targets.h"
#include "ui/caption_label.h"
#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"
#include "ui/text_box.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

void click(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void click(QWidget* widget) {
    click(widget, widget->rect().center());
}

void placeCaret(TextBox* box, Action::Caret caret) {
    click(box);
    switch (caret) {
    case Action::Caret::Click:
        break;
    case Action::Caret::End:
        QTest::keyClick(box, Qt::Key_End);
        break;
    case Action::Caret::Home:
        QTest::keyClick(box, Qt::Key_Home);
        break;
    case Action::Caret::SelectAll:
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        break;
    }
}

// Types the text key by key. A letter beyond ASCII comes from its own key,
// as on a German keyboard.
void typeText(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(box, c.toLatin1());
            continue;
        }
        const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, box, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, box, key, QString(c), Qt::NoModifier);
    }
}

// The right mouse button asks the count for its menu; the user then picks
// the statistics in it.
void openStatistics(Form1& form) {
    QContextMenuEvent request(QContextMenuEvent::Mouse, form.lmenge->rect().center(),
                              form.lmenge->mapToGlobal(form.lmenge->rect().center()));
    QApplication::sendEvent(form.lmenge, &request);
    for (QMenu* menu : form.lmenge->findChildren<QMenu*>()) {
        if (!menu->isVisible()) {
            continue;
        }
        for (QAction* entry : menu->actions()) {
            if (entry->text().startsWith(QStringLiteral("Statistik"))) {
                entry->trigger();
            }
        }
        menu->close();
    }
}

// Where a key press goes: the control with the focus, else the window.
QWidget* focused(Form1& form) {
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == &form || form.isAncestorOf(focus)) ? focus : &form;
}

// The events of a real double click: a list only opens the item that the
// first press picked.
void doubleClick(QListWidget* list, QListWidgetItem* item) {
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

void carryOut(Session& s, const Action& a) {
    Form1& f = s.form;
    using K = Action::Kind;
    switch (a.kind) {
    case K::FigureCell:
        click(f.tabelle1->viewport(), targets::figureCell(f, a.row, a.col));
        break;
    case K::Setzen:
        click(f.okfigsetz);
        break;
    case K::Absetzen:
        click(f.okfigabsetz);
        break;
    case K::FigureOk:
        click(f.okfigok);
        break;
    case K::Reset:
        click(f.okreset);
        break;
    case K::Type:
        placeCaret(f.textanzahl, a.caret);
        typeText(f.textanzahl, a.text);
        break;
    case K::Erase:
        placeCaret(f.textanzahl, Action::Caret::End);
        for (int i = 0; i < a.count; ++i) {
            QTest::keyClick(f.textanzahl, Qt::Key_Backspace);
        }
        break;
    case K::Mode:
        click(f.Option1[static_cast<std::size_t>(a.index)]);
        break;
    case K::Start:
        click(f.okstart);
        break;
    case K::Abbruch:
        click(f.okabbrechen);
        break;
    case K::Import:
        click(f.okextern);
        break;
    case K::PickFile:
        if (QListWidgetItem* item = targets::file(f, a.name)) {
            click(f.File1->viewport(), f.File1->visualItemRect(item).center());
        }
        break;
    case K::OpenDir:
        if (QListWidgetItem* item = targets::directory(f, a.name)) {
            doubleClick(f.Dir1, item);
        }
        break;
    case K::ImportOk:
        click(f.okexternok);
        break;
    case K::ImportAbbr:
        click(f.okexternabbruch);
        break;
    case K::Druck:
        s.printer->next = a.print;
        click(f.okdruck);
        break;
    case K::Copy:
        s.printer->next = a.print;
        click(f.okcopy);
        break;
    case K::Info:
        click(f.okinfo);
        break;
    case K::ListEntry:
        click(f.Liste->viewport(), targets::listEntry(f, a.index));
        break;
    case K::Statistics:
        openStatistics(f);
        break;
    case K::CloseStatistics:
        if (QDialog* window = targets::statisticsWindow(f)) {
            QTest::keyClick(window, Qt::Key_Escape);
        }
        break;
    case K::Drive:
        // The user tabs to the list; the keys change the drive without its popup.
        f.Drive1->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < std::abs(a.count); ++i) {
            QTest::keyClick(f.Drive1, a.count > 0 ? Qt::Key_Down : Qt::Key_Up);
        }
        break;
    case K::Paste:
        QGuiApplication::clipboard()->setText(a.text);
        placeCaret(f.textanzahl, a.caret);
        QTest::keyClick(f.textanzahl, Qt::Key_V, Qt::ControlModifier);
        break;
    case K::Ende:
        click(f.okende);
        break;
    case K::Keys:
        for (const int key : a.keys) {
            const QKeyCombination combination = QKeyCombination::fromCombined(key);
            QTest::keyClick(focused(f), combination.key(), combination.keyboardModifiers());
        }
        typeText(focused(f), a.text);
        break;
    }
}

} // namespace

void perform(Session& session, const Action& action) {
    QCoreApplication::processEvents();
    session.messages->answers.assign(action.answers.begin(), action.answers.end());
    carryOut(session, action);
    // Answers for boxes that did not come are not left for a later action.
    session.messages->answers.clear();
    QCoreApplication::processEvents();
}
