#pragma once

#include <QFileSystemWatcher>
#include <QListWidget>

// The file list: the files of one directory that match a pattern, kept up to
// date while files come and go.
class FileList : public QListWidget {
    Q_OBJECT

  public:
    FileList(const QString& pattern, QWidget* parent = nullptr);

    void setPath(const QString& path);
    QString path() const { return path_; }
    // The selected file's name without its directory; empty when none is selected.
    QString fileName() const;
    int listCount() const { return count(); }

  signals:
    // A click, or a move to another file with the keyboard.
    void Click();
    // A double click or Enter on a file.
    void DblClick();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void fill();

    QString pattern_;
    QString path_;
    QFileSystemWatcher watcher_;
};
