#include "ui/file_chooser.h"

#include <QFileDialog>

QStringList QtFileChooser::permanenceFiles(QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileNames(
        parent, QStringLiteral("Permanenzen wählen"), folder,
        QStringLiteral("Permanenzen (*.txt *.TXT);;Alle Dateien (*)"));
}

QString QtFileChooser::permanenceFolder(QWidget* parent, const QString& folder) {
    return QFileDialog::getExistingDirectory(
        parent, QStringLiteral("Ordner mit Permanenzen wählen"), folder);
}

QString QtFileChooser::csvTarget(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Als CSV speichern"), suggested,
                                        QStringLiteral("CSV-Dateien (*.csv)"));
}
