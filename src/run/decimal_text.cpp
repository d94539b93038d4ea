#include "run/decimal_text.h"

#include <charconv>

const QString& DecimalText::operator()(std::int64_t value) {
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    const auto size = static_cast<qsizetype>(end - digits.data());

    QString& text = buffers_[next_];
    next_ ^= 1;
    text.resize(size);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        out[i] = QLatin1Char(digits[static_cast<std::size_t>(i)]);
    }
    return text;
}
