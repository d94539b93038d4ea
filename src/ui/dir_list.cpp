#include "ui/dir_list.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr int pathRole = Qt::UserRole;
}

DirList::DirList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(pathRole).toString()); });
}

bool DirList::setPath(const QString& path) {
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable()) {
        return false;
    }
    const QString clean = QDir::cleanPath(info.absoluteFilePath());
    if (clean == path_) {
        return true;
    }
    path_ = clean;
    fill();
    emit Change();
    return true;
}

void DirList::fill() {
    clear();
    QStringList chain;
    for (QDir d(path_);;) {
        chain.prepend(d.absolutePath());
        if (!d.cdUp()) {
            break;
        }
    }
    int depth = 0;
    for (const QString& dir : chain) {
        const QString name = depth == 0 ? dir : QDir(dir).dirName();
        auto* item = new QListWidgetItem(QString(depth * 2, QChar(' ')) + name, this);
        item->setData(pathRole, dir);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QStringList subdirs =
        QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& sub : subdirs) {
        auto* item = new QListWidgetItem(QString(depth * 2, QChar(' ')) + sub, this);
        item->setData(pathRole, QDir(path_).filePath(sub));
    }
}
