#pragma once

#include <QLineEdit>

// A one-line text box whose change event runs at once whenever its text
// changes, typed or set by the program; setting the same text raises nothing.
class TextBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit TextBox(QWidget* parent = nullptr);

    void setText(const QString& text);

  signals:
    void Change();
};
