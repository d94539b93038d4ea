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

// Drawn into memory first, so that nothing but the safe save touches the
// file and a full disk can never leave half a picture behind.
QString ChartView::saveImage(const QString& path) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size());
        svg.setViewBox(rect());
        svg.setTitle(accessibleName());
        svg.setDescription(accessibleDescription());
        QPainter painter;
        if (painter.begin(&svg)) {
            render(&painter);
            drawn = painter.end();
        }
    } else {
        drawn = grab().save(&buffer, "PNG");
    }
    if (!drawn) {
        return QStringLiteral("Das Bild „%1“ ließ sich nicht zeichnen und wurde nicht gespeichert.")
            .arg(QDir::toNativeSeparators(path));
    }
    return saveBytes(path, buffer.data());
}

void ChartView::copyImage() {
    QApplication::clipboard()->setPixmap(grab());
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
