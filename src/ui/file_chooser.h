#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The standard file dialogs of the windows that read many permanences, behind a seam so that
// tests answer them. An empty answer means the user cancelled.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    virtual QStringList permanenceFiles(QWidget* parent, const QString& folder) = 0;
    virtual QString permanenceFolder(QWidget* parent, const QString& folder) = 0;
    virtual QString csvTarget(QWidget* parent, const QString& suggested) = 0;
};

class QtFileChooser : public FileChooser {
  public:
    QStringList permanenceFiles(QWidget* parent, const QString& folder) override;
    QString permanenceFolder(QWidget* parent, const QString& folder) override;
    QString csvTarget(QWidget* parent, const QString& suggested) override;
};
