#pragma once

#include <QListWidget>

// The directory list: the current directory's path from the root, then its
// subdirectories; a double click or Enter opens a directory.
class DirList : public QListWidget {
    Q_OBJECT

  public:
    explicit DirList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // Switches to the directory and raises Change when it differs. Returns
    // false, changing nothing, when the directory cannot be read.
    bool setPath(const QString& path);

  signals:
    void Change();

  private:
    void fill();
    void addDirectory(const QString& path, const QString& name, int depth, bool open);

    QString path_;
};
