#include "stats/chart_view.h"

#include "ui/file_save.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QStandardPaths>
#include <QSvgGenerator>

namespace {

// Room around the title of a saved picture.
constexpr int titleMargin = 8;

QFont titleFont(QFont font) {
    font.setBold(true);
    return font;
}

class SystemImageFileDialog : public ImageFileDialog {
  public:
    QString askSavePath(QWidget* parent, const QString& suggested) override {
        const QString png = QStringLiteral("PNG-Bild (*.png)");
        const QString svg = QStringLiteral("SVG-Grafik (*.svg)");
        QString filter = png;
        QString path =
            QFileDialog::getSaveFileName(parent, QStringLiteral("Bild speichern"), suggested,
                                         png + QStringLiteral(";;") + svg, &filter);
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
            path += filter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
        }
        return path;
    }
    void reportFailure(QWidget* parent, const QString& text) override {
        QMessageBox::warning(parent, QStringLiteral("Bild speichern"), text);
    }
};

} // namespace

std::shared_ptr<ImageFileDialog> systemImageFileDialog() {
    return std::make_shared<SystemImageFileDialog>();
}

ChartView::ChartView(QChart* chart, const QString& fileStem,
                     std::shared_ptr<ImageFileDialog>* dialog, QWidget* parent)
    : QChartView(chart, parent), fileStem_(fileStem), dialog_(dialog) {
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
}

// Big enough to read a chart of ten million spins; the window gives less
// room on a small screen.
QSize ChartView::sizeHint() const {
    return {720, 380};
}

QRect ChartView::titleRect() const {
    if (imageTitle_.isEmpty()) {
        return {};
    }
    const QFontMetrics metrics(titleFont(font()));
    const int width = viewport()->width();
    const QRect text = metrics.boundingRect(QRect(0, 0, width - 2 * titleMargin, height()),
                                            Qt::AlignHCenter | Qt::TextWordWrap, imageTitle_);
    return {0, 0, width, text.height() + 2 * titleMargin};
}

QSize ChartView::imageSize() const {
    return viewport()->size() + QSize(0, titleRect().height());
}

void ChartView::paintImage(QPainter& painter) {
    const QRect band = titleRect();
    if (band.isValid()) {
        painter.fillRect(band, Qt::white);
        painter.setFont(titleFont(font()));
        painter.setPen(Qt::black);
        painter.drawText(band.adjusted(titleMargin, titleMargin, -titleMargin, -titleMargin),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, imageTitle_);
    }
    render(&painter, QRectF(QPointF(0, band.height()), viewport()->size()));
}

QPixmap ChartView::image() {
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(imageSize() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    paintImage(painter);
    return pixmap;
}

// Drawn into memory first, so that nothing but the safe save touches the
// file and a full disk can never leave half a picture behind.
QString ChartView::saveImage(const QString& path) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(imageSize());
        svg.setViewBox(QRect(QPoint(), imageSize()));
        svg.setTitle(accessibleName());
        svg.setDescription(accessibleDescription());
        QPainter painter;
        if (painter.begin(&svg)) {
            paintImage(painter);
            drawn = painter.end();
        }
    } else {
        drawn = image().save(&buffer, "PNG");
    }
    if (!drawn) {
        return QStringLiteral("Das Bild „%1“ ließ sich nicht zeichnen und wurde nicht gespeichert.")
            .arg(QDir::toNativeSeparators(path));
    }
    return saveBytes(path, buffer.data());
}

void ChartView::copyImage() {
    QApplication::clipboard()->setPixmap(image());
}

void ChartView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("Bild &speichern …"), this, &ChartView::askAndSave);
    menu.addAction(QStringLiteral("Bild &kopieren"), this, &ChartView::copyImage);
    menu.exec(event->globalPos());
}

void ChartView::askAndSave() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(documents).filePath(fileStem_ + QStringLiteral(".png"));
    QString path = (*dialog_)->askSavePath(this, suggested);
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".png");
    }
    const QString failure = saveImage(path);
    if (!failure.isEmpty()) {
        (*dialog_)->reportFailure(this, failure);
    }
}
