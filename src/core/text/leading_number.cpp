#include "core/text/leading_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace sorvik1 {
namespace {

bool ignorable(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool digit(char c) {
    return c >= '0' && c <= '9';
}

// Collects the characters of the leading number, without the ignorable ones,
// into a buffer that std::from_chars can read. Digits past the buffer's size
// are counted in the exponent instead, so very long numbers keep their size.
class NumberBuffer {
  public:
    void push(char c) {
        if (size_ < chars_.size()) {
            chars_[size_++] = c;
        }
    }
    bool full() const { return size_ >= chars_.size() - 8; }
    // A value beyond the range of a double reads as infinity or as 0.
    double value(bool large) const {
        double v = 0;
        const auto result = std::from_chars(chars_.data(), chars_.data() + size_, v);
        if (result.ec == std::errc::result_out_of_range) {
            return large ? HUGE_VAL : 0.0;
        }
        return v;
    }

  private:
    std::array<char, 400> chars_{};
    std::size_t size_ = 0;
};

} // namespace

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && ignorable(text[i])) {
            ++i;
        }
    };
    auto at = [&](std::size_t k) { return k < text.size() ? text[k] : '\0'; };

    skip();
    bool negative = false;
    if (at(i) == '+' || at(i) == '-') {
        negative = at(i) == '-';
        ++i;
        skip();
    }

    // Fast path for the common whole number.
    std::uint64_t whole = 0;
    std::size_t digits = 0;
    const std::size_t start = i;
    while (digit(at(i)) && digits < 18) {
        whole = whole * 10 + static_cast<std::uint64_t>(at(i) - '0');
        ++digits;
        ++i;
        skip();
    }
    const char next = at(i);
    const bool more =
        digit(next) || next == '.' || next == 'e' || next == 'E' || next == 'd' || next == 'D';
    if (!more) {
        const double v = static_cast<double>(whole);
        return negative ? -v : v;
    }

    NumberBuffer buf;
    int extraExponent = 0;
    long wholeDigits = 0;
    bool anyDigit = false;
    i = start;
    while (digit(at(i))) {
        ++wholeDigits;
        if (!buf.full()) {
            buf.push(at(i));
        } else {
            ++extraExponent;
        }
        anyDigit = true;
        ++i;
        skip();
    }
    if (at(i) == '.') {
        buf.push('.');
        ++i;
        skip();
        while (digit(at(i))) {
            if (!buf.full()) {
                buf.push(at(i));
            }
            anyDigit = true;
            ++i;
            skip();
        }
    }
    if (!anyDigit) {
        return 0;
    }
    long exponent = extraExponent;
    const char e = at(i);
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        std::size_t j = i + 1;
        auto skipAt = [&] {
            while (j < text.size() && ignorable(text[j])) {
                ++j;
            }
        };
        skipAt();
        bool expNegative = false;
        if (at(j) == '+' || at(j) == '-') {
            expNegative = at(j) == '-';
            ++j;
            skipAt();
        }
        long written = 0;
        while (digit(at(j))) {
            if (written < 100000) {
                written = written * 10 + (at(j) - '0');
            }
            ++j;
            skipAt();
        }
        exponent += expNegative ? -written : written;
    }
    if (exponent != 0) {
        buf.push('e');
        std::array<char, 24> expText{};
        auto [end, ec] = std::to_chars(expText.data(), expText.data() + expText.size(), exponent);
        for (const char* p = expText.data(); p != end; ++p) {
            buf.push(*p);
        }
    }
    const double v = buf.value(wholeDigits + exponent > 0);
    return negative ? -v : v;
}

} // namespace sorvik1
