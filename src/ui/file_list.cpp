#include "ui/file_list.h"

#include <QDir>
#include <QFileInfo>

FileList::FileList(const QString& pattern, QWidget* parent)
    : QListWidget(parent), pattern_(pattern) {
    setSelectionMode(SingleSelection);
    connect(this, &QListWidget::itemActivated, this, [this] { emit DblClick(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { fill(); });
}

void FileList::setPath(const QString& path) {
    if (!path_.isEmpty()) {
        watcher_.removePath(path_);
    }
    path_ = path;
    // Another directory starts with no file selected.
    clear();
    fill();
    watcher_.addPath(path_);
}

QString FileList::fileName() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FileList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    emit Click();
}

void FileList::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before) {
        emit Click();
    }
}

// Lists the matching files again; the selected file stays selected while it
// is there.
void FileList::fill() {
    const QString selected = fileName();
    clear();
    const QStringList names = QDir(path_).entryList({pattern_}, QDir::Files | QDir::Readable,
                                                    QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        // Only regular files, links followed: a device, FIFO or socket
        // behind a harmless name is no permanence and must not be offered.
        if (!QFileInfo(QDir(path_).filePath(name)).isFile()) {
            continue;
        }
        // The list is narrow; the tool-tip shows a long name whole.
        auto* entry = new QListWidgetItem(name, this);
        entry->setToolTip(name);
    }
    const QList<QListWidgetItem*> same = findItems(selected, Qt::MatchExactly);
    if (!selected.isEmpty() && !same.isEmpty()) {
        setCurrentItem(same.front());
    }
}
