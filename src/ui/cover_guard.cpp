#include "ui/cover_guard.h"

#include <QEvent>
#include <QWidget>

CoverGuard::CoverGuard(QWidget& window, std::initializer_list<QWidget*> covers)
    : QObject(&window), window_(window), covers_(covers) {
    for (QWidget* cover : covers_) {
        cover->installEventFilter(this);
    }
    update();
}

bool CoverGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ShowToParent || type == QEvent::HideToParent) {
        update();
    }
    return QObject::eventFilter(watched, event);
}

bool CoverGuard::reachable(const QWidget& control) const {
    const QWidget* hit = window_.childAt(control.mapTo(&window_, control.rect().center()));
    return hit == &control || (hit && control.isAncestorOf(hit));
}

void CoverGuard::update() {
    for (QWidget* control : window_.findChildren<QWidget*>()) {
        // A hidden control takes no focus anyway; it is judged when shown.
        if (!control->isVisibleTo(&window_)) {
            continue;
        }
        const auto taken = covered_.find(control);
        const bool isTaken = taken != covered_.end();
        if (!isTaken && control->focusPolicy() != Qt::NoFocus && !reachable(*control)) {
            covered_.emplace(control, control->focusPolicy());
            control->setFocusPolicy(Qt::NoFocus);
        } else if (isTaken && reachable(*control)) {
            control->setFocusPolicy(taken->second);
            covered_.erase(taken);
        }
    }
    QWidget* focus = window_.focusWidget();
    if (focus && covered_.count(focus) > 0) {
        passFocusOn(*focus);
    }
}

// To the next control in the focus order that Tab would reach.
void CoverGuard::passFocusOn(QWidget& focus) {
    for (QWidget* next = focus.nextInFocusChain(); next != &focus;
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() &&
            next->isVisibleTo(&window_) && window_.isAncestorOf(next)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    focus.clearFocus();
}
