#pragma once

#include <QComboBox>

// The drive list: the mounted file systems, the root first.
class DriveList : public QComboBox {
    Q_OBJECT

  public:
    explicit DriveList(QWidget* parent = nullptr);

    // The root path of the chosen drive.
    QString drive() const;
    // Chooses the mounted file system that holds the path.
    void showDriveOf(const QString& path);

  signals:
    void Change();
};
