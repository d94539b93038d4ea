#pragma once

#include <QElapsedTimer>
#include <QFrame>
#include <QPointer>
#include <QString>
#include <QTimer>

// A caption label: keeps its caption exactly as set and shows each carriage
// return as a line break. Setting the caption only marks the label for
// repainting, so a long run that updates it at every spin stays fast.
//
// Assistive tools read the shown text as the label's name (a label given a
// name of its own, such as a colour swatch, keeps that name). A change is
// announced once control returns to the event loop, and at most a few times
// a second, however often the caption changes.
class CaptionLabel : public QFrame {
    Q_OBJECT

  public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    // The caption with each line break as a line feed, as it is shown.
    QString shownText() const;

    void setAlignment(Qt::Alignment alignment);
    void setBorder(bool single);

    // Links the label to the caption that names it on screen, both ways.
    void setLabelledBy(CaptionLabel* naming);
    CaptionLabel* labelledBy() const { return labelledBy_; }
    CaptionLabel* labelFor() const { return labelFor_; }

    QSize sizeHint() const override;

    // The shortest time between two announced changes of one label.
    static constexpr int announceIntervalMs = 200;

  signals:
    // A change went out to assistive tools.
    void announced();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void announce();

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
    bool repaintPending_ = false;
    bool announcePending_ = false;
    QTimer announceTimer_;
    QElapsedTimer lastAnnounce_;
    QPointer<CaptionLabel> labelledBy_;
    QPointer<CaptionLabel> labelFor_;
};
