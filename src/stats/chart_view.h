#pragma once

#include <QChartView>
#include <QString>

#include <memory>

// Asks where a chart's picture goes and says when it could not be written,
// behind a seam so that tests answer instead of a modal dialog.
class ImageFileDialog {
  public:
    virtual ~ImageFileDialog() = default;
    // The chosen path, or empty when cancelled; `suggested` is a full path.
    virtual QString askSavePath(QWidget* parent, const QString& suggested) = 0;
    virtual void reportFailure(QWidget* parent, const QString& text) = 0;
};

// The standard file dialog and a warning box.
std::shared_ptr<ImageFileDialog> systemImageFileDialog();

// A chart with a context menu that saves it as PNG or SVG or copies it.
class ChartView : public QChartView {
    Q_OBJECT

  public:
    // `fileStem` names the suggested file, e.g. "verlauf".
    ChartView(QChart* chart, const QString& fileStem, std::shared_ptr<ImageFileDialog>* dialog,
              QWidget* parent = nullptr);

    // Heads saved and copied pictures, so that a picture says what it shows
    // wherever it ends up; none when empty.
    void setImageTitle(const QString& title) { imageTitle_ = title; }
    const QString& imageTitle() const { return imageTitle_; }

    // PNG, or SVG when the path ends so. Empty when saved, else the German
    // message saying why not; a file that was there then stays as it was.
    QString saveImage(const QString& path);
    void copyImage();

    QSize sizeHint() const override;

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void askAndSave();
    // The title above the chart, as saved and copied.
    QRect titleRect() const;
    QSize imageSize() const;
    void paintImage(QPainter& painter);
    QPixmap image();

    QString fileStem_;
    QString imageTitle_;
    std::shared_ptr<ImageFileDialog>* dialog_;
};
