#pragma once

#include <cstddef>
#include <string_view>

namespace sorvik1 {

// One item of a permanence file, as the field reader hands it out.
struct Field {
    // The item's text: without the blanks and tabs around an unquoted item,
    // without the quotes of a quoted one. It views the reader's bytes.
    std::string_view text;
    // The 1-based line on which the item begins.
    std::size_t line = 0;
    // The item is the whole of a line that holds nothing but blanks and tabs.
    bool blankLine = false;
};

// Reads the comma- and line-delimited items of a permanence file held in
// memory. An item ends at a comma, at a line end (CR LF, a lone CR or a lone
// LF) or at the end of the bytes, and the delimiter is consumed with it. An
// item that begins with a double quote runs to the next double quote, so it
// may hold commas and line ends; anything between the closing quote and the
// next delimiter is dropped. The hot path is inline: a large file has one item
// per spin, and a call per item would dominate the load.
class FieldReader {
  public:
    explicit FieldReader(std::string_view bytes) : bytes_(bytes) {}

    // Reads the next item into `field`; false once every byte has been
    // consumed. The item is written in place rather than returned: copying it
    // out per item costs more than reading it.
    bool next(Field& field) {
        if (pos_ == bytes_.size()) {
            return false;
        }
        const bool startsLine = atLineStart_;
        skipBlanks();
        field.line = line_;
        field.blankLine = false;
        if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
            readQuoted(field);
            return true;
        }
        const std::size_t begin = pos_;
        while (pos_ < bytes_.size() && !isDelimiter(bytes_[pos_])) {
            ++pos_;
        }
        std::size_t end = pos_;
        while (end > begin && isBlank(bytes_[end - 1])) {
            --end;
        }
        field.text = bytes_.substr(begin, end - begin);
        const bool endsLine = consumeDelimiter();
        field.blankLine = startsLine && endsLine && field.text.empty();
        return true;
    }

    // The bytes not consumed yet.
    std::size_t remaining() const { return bytes_.size() - pos_; }

  private:
    static bool isBlank(char c) { return c == ' ' || c == '\t'; }
    static bool isDelimiter(char c) { return c == ',' || c == '\r' || c == '\n'; }

    void skipBlanks() {
        while (pos_ < bytes_.size() && isBlank(bytes_[pos_])) {
            ++pos_;
        }
    }

    // Consumes the delimiter at the reading position; true when it ends a line
    // (a line end, or the end of the bytes).
    bool consumeDelimiter() {
        if (pos_ == bytes_.size()) {
            return true;
        }
        const char c = bytes_[pos_++];
        if (c == ',') {
            atLineStart_ = false;
            return false;
        }
        if (c == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') {
            ++pos_;
        }
        ++line_;
        atLineStart_ = true;
        return true;
    }

    void readQuoted(Field& field);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
    bool atLineStart_ = true;
};

} // namespace sorvik1
