#pragma once

#include <QPoint>
#include <QString>

class Form1;
class QDialog;
class QListWidgetItem;

// Where on the window the user clicks for an action, in the coordinates of
// the widget that takes the click. A point is only where the user sees the
// thing: lists are scrolled to the entry first, as the user scrolls.
namespace targets {

// In the figure grid's viewport.
QPoint figureCell(const Form1& form, int row, int col);
// In the occurrence list's viewport, after scrolling to the entry.
QPoint listEntry(Form1& form, int index);
// The file list's entry named `name`, scrolled into view; none when absent.
QListWidgetItem* file(Form1& form, const QString& name);
// The directory list's entry for the absolute path, scrolled into view.
QListWidgetItem* directory(Form1& form, const QString& path);
// The statistics window, when it is open.
QDialog* statisticsWindow(Form1& form);
// The absolute path that a directory entry opens.
QString directoryPath(const QListWidgetItem& item);

} // namespace targets
