#include "ui/dir_list.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace {
constexpr int pathRole = Qt::UserRole;
}

DirList::DirList(QWidget* parent) : QListWidget(parent) {
    // Activation is a double click or Enter, as in every file dialog.
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

void DirList::addDirectory(const QString& path, const QString& name, int depth, bool open) {
    const QIcon icon = style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirIcon);
    auto* item = new QListWidgetItem(icon, QString(depth * 2, QChar(' ')) + name, this);
    item->setData(pathRole, path);
    item->setToolTip(QDir::toNativeSeparators(path));
}

// The open directory and those above it, each indented below its parent,
// then the subdirectories one step further in.
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
        addDirectory(dir, depth == 0 ? dir : QDir(dir).dirName(), depth, true);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QDir open(path_);
    const QStringList subdirs =
        open.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& sub : subdirs) {
        addDirectory(open.filePath(sub), sub, depth, false);
    }
}
