#pragma once

#include <QListWidget>

// The file list: the files of one directory that match a pattern.
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
    void Click();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QString pattern_;
    QString path_;
};
