#include "targets.h"

#include "app/form1.h"
#include "ui/dir_list.h"
#include "ui/file_list.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"

#include <QDialog>

namespace targets {

QPoint figureCell(const Form1& form, int row, int col) {
    return form.tabelle1->visualRect(form.tabelle1->model()->index(row, col)).center();
}

QPoint listEntry(Form1& form, int index) {
    form.Liste->flush();
    const QModelIndex entry = form.Liste->model()->index(index, 0);
    form.Liste->scrollTo(entry);
    return form.Liste->visualRect(entry).center();
}

QListWidgetItem* file(Form1& form, const QString& name) {
    const QList<QListWidgetItem*> found = form.File1->findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) {
        return nullptr;
    }
    form.File1->scrollToItem(found.front());
    return found.front();
}

QListWidgetItem* directory(Form1& form, const QString& path) {
    for (int i = 0; i < form.Dir1->count(); ++i) {
        QListWidgetItem* item = form.Dir1->item(i);
        if (directoryPath(*item) == path) {
            form.Dir1->scrollToItem(item);
            return item;
        }
    }
    return nullptr;
}

QDialog* statisticsWindow(Form1& form) {
    for (QDialog* window : form.findChildren<QDialog*>()) {
        if (window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

QString directoryPath(const QListWidgetItem& item) {
    return item.data(Qt::UserRole).toString();
}

} // namespace targets
