#include "run/number_texts.h"

#include "core/text/leading_number.h"

#include <array>

NumberTexts::NumberTexts() {
    for (std::size_t n = 0; n < shown.size(); ++n) {
        shown[n] = QString::number(n);
        utf8[n] = QByteArray::number(static_cast<qulonglong>(n));
    }
}

const NumberTexts numberTexts;

double captionValue(const QString& caption) {
    // Counts and spin numbers are short plain digits: read them without
    // converting the whole text. A character that is not plain ASCII cannot
    // continue a number, so reading stops there, as it would anyway.
    std::array<char, 64> chars{};
    std::size_t size = 0;
    for (const QChar c : caption) {
        if (size == chars.size() || c.unicode() > 0x7F) {
            break;
        }
        chars[size++] = static_cast<char>(c.unicode());
    }
    return sorvik1::leadingNumber(std::string_view(chars.data(), size));
}
