#include "ui/caption_label.h"

#include <QAccessibleWidget>
#include <QPainter>

#include <algorithm>

namespace {

// Lines of a caption are separated by a lone carriage return.
QString shownText(const QString& caption) {
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar(13), QChar(10));
    return shown;
}

// Screen readers and UI automation read the caption as the label's value, and
// as its name when the label has no name of its own.
class AccessibleCaption : public QAccessibleWidget {
  public:
    explicit AccessibleCaption(CaptionLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const CaptionLabel*>(widget());
        switch (t) {
        case QAccessible::Name:
            return label->accessibleName().isEmpty() ? shownText(label->caption())
                                                     : label->accessibleName();
        case QAccessible::Value:
            return shownText(label->caption());
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* captionFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("CaptionLabel") && object->isWidgetType()) {
        return new AccessibleCaption(static_cast<CaptionLabel*>(object));
    }
    return nullptr;
}

} // namespace

CaptionLabel::CaptionLabel(QWidget* parent) : QFrame(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(captionFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAutoFillBackground(true);
}

void CaptionLabel::setCaption(const QString& caption) {
    // A caption that changes at every spin is copied into the label's own
    // buffer while that buffer is unshared and large enough: sharing the
    // caller's text would cost two atomic reference counts per change, which
    // dominate a long run. Otherwise the label takes a copy of its own, so
    // that the next change finds an unshared buffer again.
    if (caption_.isDetached() && caption_.capacity() >= caption.size()) {
        if (caption_.size() != caption.size()) {
            caption_.resize(caption.size());
        }
        std::copy_n(caption.constData(), caption.size(), caption_.data());
    } else {
        caption_ = QString(caption.constData(), caption.size());
    }
    if (!repaintPending_) {
        repaintPending_ = true;
        update();
    }
}

void CaptionLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void CaptionLabel::setBorder(bool single) {
    setFrameStyle(single ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

QSize CaptionLabel::sizeHint() const {
    return fontMetrics().size(0, shownText(caption_));
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    repaintPending_ = false;
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect().adjusted(1, 0, -1, 0), static_cast<int>(alignment_),
                     shownText(caption_));
}
