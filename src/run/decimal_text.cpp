#include "run/decimal_text.h"

#include "run/number_texts.h"

#include <algorithm>
#include <array>
#include <charconv>

const QString& DecimalText::operator()(std::int64_t value) {
    const bool next = value > 0 && value - 1 == value_ && !text_.isEmpty();
    if (!next || !countUp()) {
        format(value);
    }
    value_ = value;
    return text_;
}

double DecimalText::valueOf(const QString& caption) const {
    if (!text_.isEmpty() && caption.size() == text_.size() &&
        std::equal(text_.cbegin(), text_.cend(), caption.cbegin())) {
        return static_cast<double>(value_);
    }
    return captionValue(caption);
}

// Adds one to the digits in place; false when the number grows by a digit.
bool DecimalText::countUp() {
    QChar* digits = text_.data();
    for (qsizetype i = text_.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return true;
        }
        digits[i] = QLatin1Char('0');
    }
    return false;
}

void DecimalText::format(std::int64_t value) {
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
}
