#include "ui/drive_list.h"

#include <QStorageInfo>

#include <algorithm>

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && !roots.contains(volume.rootPath())) {
            roots << volume.rootPath();
        }
    }
    std::sort(roots.begin(), roots.end());
    roots.removeAll(QStringLiteral("/"));
    roots.prepend(QStringLiteral("/"));
    addItems(roots);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit Change(); });
}

QString DriveList::drive() const {
    return currentText();
}

void DriveList::showDriveOf(const QString& path) {
    const QString root = QStorageInfo(path).rootPath();
    const int index = findText(root);
    if (index >= 0) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(index);
    }
}
