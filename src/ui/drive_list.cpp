#include "ui/drive_list.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <QStyle>

#include <algorithm>

namespace {

constexpr int rootRole = Qt::UserRole;

// Mounted directories only: containers mount single files too.
QList<QStorageInfo> drives() {
    QList<QStorageInfo> found;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const bool known = std::any_of(found.begin(), found.end(), [&](const QStorageInfo& d) {
            return d.rootPath() == volume.rootPath();
        });
        if (volume.isValid() && !known && QFileInfo(volume.rootPath()).isDir()) {
            found << volume;
        }
    }
    std::sort(found.begin(), found.end(), [](const QStorageInfo& a, const QStorageInfo& b) {
        return a.isRoot() != b.isRoot() ? a.isRoot() : a.rootPath() < b.rootPath();
    });
    return found;
}

} // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    fill();
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit Change(); });
}

QString DriveList::drive() const {
    return currentData(rootRole).toString();
}

void DriveList::showDriveOf(const QString& path) {
    const int index = findData(QStorageInfo(path).rootPath(), rootRole);
    if (index >= 0) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(index);
    }
}

void DriveList::showPopup() {
    fill();
    QComboBox::showPopup();
}

// Keeps the chosen drive chosen, without raising Change.
void DriveList::fill() {
    const QSignalBlocker quiet(this);
    const QString chosen = drive();
    clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const QStorageInfo& volume : drives()) {
        const QString root = volume.rootPath();
        const QString label = volume.name();
        addItem(icon, label.isEmpty() ? root : root + QStringLiteral(" [") + label + QChar(']'),
                root);
    }
    setCurrentIndex(std::max(0, findData(chosen, rootRole)));
}
