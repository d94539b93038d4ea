#include "core/intake/field_reader.h"

namespace sorvik1 {
namespace {

// Line ends inside a text, counting CR LF once.
std::size_t countLineEnds(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++count;
        }
    }
    return count;
}

} // namespace

void FieldReader::readQuoted(Field& field) {
    const std::size_t begin = pos_ + 1;
    std::size_t close = bytes_.find('"', begin);
    if (close == std::string_view::npos) {
        // An unclosed quote takes the rest of the bytes, like a closed one
        // would have taken everything up to its end.
        close = bytes_.size();
    }
    field.text = bytes_.substr(begin, close - begin);
    line_ += countLineEnds(field.text);
    pos_ = close < bytes_.size() ? close + 1 : close;
    while (pos_ < bytes_.size() && !isDelimiter(bytes_[pos_])) {
        ++pos_;
    }
    atLineStart_ = false;
    consumeDelimiter();
}

} // namespace sorvik1
