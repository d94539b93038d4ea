#pragma once

#include "core/store/text_list.h"

#include <QListView>

#include <string_view>

class ListBoxModel;

// A list box that holds millions of entries: the entries live in a compact
// store, and appends made by the program reach the view in one batch when
// control returns to the event loop.
class ListBox : public QListView {
    Q_OBJECT

  public:
    explicit ListBox(QWidget* parent = nullptr);
    ~ListBox() override;

    void addItem(const QString& text);
    void addItem(std::string_view utf8);
    void removeItem(int index);
    int listCount() const;
    QString list(int index) const;
    // The selected entry, or -1 when none is selected.
    int listIndex() const;
    // The entries where the list keeps them, for reading them all at once.
    const sorvik1::TextList& entries() const;

    // Brings the view up to date with the program's changes now.
    void flush();

  signals:
    void Click();

  private:
    void scheduleFlush();

    ListBoxModel* model_;
    bool flushPending_ = false;
};
