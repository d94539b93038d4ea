#include "ui/file_list.h"

#include <QDir>

FileList::FileList(const QString& pattern, QWidget* parent)
    : QListWidget(parent), pattern_(pattern) {
    setSelectionMode(SingleSelection);
}

void FileList::setPath(const QString& path) {
    path_ = path;
    clear();
    addItems(QDir(path).entryList({pattern_}, QDir::Files | QDir::Readable,
                                  QDir::Name | QDir::IgnoreCase));
}

QString FileList::fileName() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FileList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    emit Click();
}
