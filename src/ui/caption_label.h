#pragma once

#include <QFrame>
#include <QString>

// A caption label: keeps its caption exactly as set and shows each carriage
// return as a line break. Setting the caption only marks the label for
// repainting, so a long run that updates it at every spin stays fast.
class CaptionLabel : public QFrame {
    Q_OBJECT

  public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }

    void setAlignment(Qt::Alignment alignment);
    void setBorder(bool single);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
    bool repaintPending_ = false;
};
