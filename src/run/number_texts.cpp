#include "run/number_texts.h"

#include "core/leading_number.h"

#include <array>

namespace {

constexpr int numbers = 37;

struct Texts {
    std::array<QString, numbers> shown;
    std::array<QByteArray, numbers> utf8;

    Texts() {
        for (int n = 0; n < numbers; ++n) {
            shown[static_cast<std::size_t>(n)] = QString::number(n);
            utf8[static_cast<std::size_t>(n)] = QByteArray::number(n);
        }
    }
};

const Texts& texts() {
    static const Texts made;
    return made;
}

} // namespace

const QString& numberText(int number) {
    return texts().shown[static_cast<std::size_t>(number)];
}

std::string_view numberUtf8(int number) {
    const QByteArray& t = texts().utf8[static_cast<std::size_t>(number)];
    return {t.constData(), static_cast<std::size_t>(t.size())};
}

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
