#include "ui/list_box.h"

#include <QAbstractListModel>

// The entries as a list model whose row count follows the store in batches.
class ListBoxModel : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;

    sorvik1::TextList entries;
    bool resetPending = false;

    void publish() {
        const int count = static_cast<int>(entries.size());
        if (resetPending) {
            beginResetModel();
            resetPending = false;
            published_ = count;
            endResetModel();
        } else if (count > published_) {
            beginInsertRows({}, published_, count - 1);
            published_ = count;
            endInsertRows();
        }
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : published_;
    }

    // The view asks for every entry's index when it lays out a long list:
    // answered without the generic checks through the virtual counts.
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override {
        const bool inside = row >= 0 && row < published_ && column == 0 && !parent.isValid();
        return inside ? createIndex(row, column) : QModelIndex();
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
            return {};
        }
        return QString::fromStdString(entries.at(static_cast<std::size_t>(index.row())));
    }

  private:
    int published_ = 0;
};

ListBox::ListBox(QWidget* parent) : QListView(parent), model_(new ListBoxModel(this)) {
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex&) { emit Click(); });
}

ListBox::~ListBox() = default;

void ListBox::addItem(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    addItem(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

void ListBox::addItem(std::string_view utf8) {
    model_->entries.append(utf8);
    scheduleFlush();
}

void ListBox::removeItem(int index) {
    if (index < 0) {
        return;
    }
    model_->entries.removeAt(static_cast<std::size_t>(index));
    model_->resetPending = true;
    scheduleFlush();
}

int ListBox::listCount() const {
    return static_cast<int>(model_->entries.size());
}

QString ListBox::list(int index) const {
    if (index < 0) {
        return {};
    }
    return QString::fromStdString(model_->entries.at(static_cast<std::size_t>(index)));
}

const sorvik1::TextList& ListBox::entries() const {
    return model_->entries;
}

int ListBox::listIndex() const {
    const QModelIndex current = currentIndex();
    const bool selected =
        current.isValid() && selectionModel()->isSelected(current) && current.row() < listCount();
    return selected ? current.row() : -1;
}

void ListBox::scheduleFlush() {
    if (!flushPending_) {
        flushPending_ = true;
        QMetaObject::invokeMethod(this, &ListBox::flush, Qt::QueuedConnection);
    }
}

void ListBox::flush() {
    if (!flushPending_) {
        return;
    }
    flushPending_ = false;
    model_->publish();
}
