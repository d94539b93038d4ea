#include "run/decimal_text.h"

#include <array>
#include <charconv>

const QString& DecimalText::operator()(std::int64_t value) {
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    const auto size = static_cast<qsizetype>(end - digits.data());
    if (text_.size() != size) {
        text_.resize(size);
    }
    QChar* out = text_.data();
    for (qsizetype i = 0; i < size; ++i) {
        out[i] = QLatin1Char(digits[static_cast<std::size_t>(i)]);
    }
    return text_;
}
