// The practice's keys reach the practice wherever the focus is in its
// window, so that Space or Enter never presses a focused button.
#include "uebung/practice_window.h"

#include <QKeyEvent>

#include <algorithm>
#include <array>
#include <optional>

bool PracticeWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
        type != QEvent::ShortcutOverride) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || !session_ || !session_->running()) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    static const std::array practiceKeys = {Qt::Key_Space, Qt::Key_P, Qt::Key_Right, Qt::Key_Return,
                                            Qt::Key_Enter};
    if (modifiers != Qt::NoModifier ||
        (std::find(practiceKeys.begin(), practiceKeys.end(), key->key()) == practiceKeys.end() &&
         !sideOfKey(key->key()))) {
        return false;
    }
    // The key is the practice's: a focused button or field never sees it.
    event->accept();
    if (type == QEvent::KeyPress && !key->isAutoRepeat()) {
        handlePracticeKey(key->key());
    }
    return true;
}

// The letter keys of the practised chance: R and S, G and U, or T and H.
std::optional<sorvik1::Farbcode> PracticeWindow::sideOfKey(int key) const {
    const auto letters = sorvik1::sideLetters(session_->settings().chance);
    const auto keyOf = [](char letter) { return Qt::Key_A + (letter - 'a'); };
    if (key == keyOf(letters[0])) {
        return sorvik1::red;
    }
    if (key == keyOf(letters[1])) {
        return sorvik1::black;
    }
    return std::nullopt;
}

void PracticeWindow::handlePracticeKey(int key) {
    if (const auto side = sideOfKey(key)) {
        session_->call(*side);
        return;
    }
    switch (key) {
    case Qt::Key_Space:
        session_->callFigureColour();
        return;
    case Qt::Key_P:
        session_->togglePause();
        return;
    default:
        if (session_->settings().tempo == PracticeSettings::Tempo::OnKey) {
            session_->advance();
        }
    }
}
