#include "ui/caption_label.h"

#include <QAccessibleWidget>
#include <QPainter>

#include <algorithm>

namespace {

// Lines of a caption are separated by a lone carriage return.
QString linesOf(const QString& caption) {
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar(13), QChar(10));
    return shown;
}

// Screen readers and UI automation read what the label shows as its name and
// value, and find the caption that names it through the label relations.
class AccessibleCaption : public QAccessibleWidget {
  public:
    explicit AccessibleCaption(CaptionLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return label()->accessibleName().isEmpty() ? label()->shownText()
                                                       : label()->accessibleName();
        case QAccessible::Value:
            return label()->shownText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        // Qt names the relation from the partner's side: Label means "the
        // partner is my label", Labelled "the partner is labelled by me".
        if ((match & QAccessible::Label) && label()->labelledBy()) {
            found.append(
                {QAccessible::queryAccessibleInterface(label()->labelledBy()), QAccessible::Label});
        }
        if ((match & QAccessible::Labelled) && label()->labelFor()) {
            found.append({QAccessible::queryAccessibleInterface(label()->labelFor()),
                          QAccessible::Labelled});
        }
        return found;
    }

  private:
    const CaptionLabel* label() const { return static_cast<const CaptionLabel*>(widget()); }
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
    announceTimer_.setSingleShot(true);
    connect(&announceTimer_, &QTimer::timeout, this, &CaptionLabel::announce);
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
    if (!announcePending_) {
        announcePending_ = true;
        const qint64 since = lastAnnounce_.isValid() ? lastAnnounce_.elapsed() : announceIntervalMs;
        announceTimer_.start(static_cast<int>(std::max<qint64>(0, announceIntervalMs - since)));
    }
}

void CaptionLabel::announce() {
    announcePending_ = false;
    lastAnnounce_.start();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
    emit announced();
}

QString CaptionLabel::shownText() const {
    return linesOf(caption_);
}

void CaptionLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void CaptionLabel::setBorder(bool single) {
    setFrameStyle(single ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

void CaptionLabel::setLabelledBy(CaptionLabel* naming) {
    labelledBy_ = naming;
    naming->labelFor_ = this;
}

QSize CaptionLabel::sizeHint() const {
    return fontMetrics().size(0, shownText());
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    repaintPending_ = false;
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect().adjusted(1, 0, -1, 0), static_cast<int>(alignment_),
                     shownText());
}
