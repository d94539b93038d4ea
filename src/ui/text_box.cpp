#include "ui/text_box.h"

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] { emit Change(); });
}

void TextBox::setText(const QString& text) {
    if (text != QLineEdit::text()) {
        QLineEdit::setText(text);
    }
}
