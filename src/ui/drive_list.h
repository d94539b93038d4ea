#pragma once

#include <QComboBox>

// The drive list: the mounted file systems, the root first, each with its
// label where it has one. The list is read again each time it opens, so a
// medium inserted meanwhile shows up.
class DriveList : public QComboBox {
    Q_OBJECT

  public:
    explicit DriveList(QWidget* parent = nullptr);

    // The root path of the chosen drive.
    QString drive() const;
    // Chooses the mounted file system that holds the path.
    void showDriveOf(const QString& path);

    void showPopup() override;

  signals:
    void Change();

  private:
    void fill();
};
