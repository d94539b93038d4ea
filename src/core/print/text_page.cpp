#include "core/print/text_page.h"

#include "core/text/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace sorvik1 {
namespace {

// Where a text that does not fit is split: `end` bytes go on this line, the
// rest goes on from `resume`.
struct Split {
    std::size_t end = 0;
    std::size_t resume = 0;
};

// The last break at a blank that leaves the first `fitEnd` bytes or fewer on
// this line, blanks around the break dropped; `end` is 0 when there is none.
Split blankSplit(std::string_view s, std::size_t fitEnd) {
    for (std::size_t b = std::min(fitEnd, s.size() - 1); b > 0; --b) {
        if (s[b] != ' ') {
            continue;
        }
        Split split{b, b};
        while (split.end > 0 && s[split.end - 1] == ' ') {
            --split.end;
        }
        while (split.resume < s.size() && s[split.resume] == ' ') {
            ++split.resume;
        }
        return split.end > 0 ? split : Split{};
    }
    return {};
}

std::string numberText(double value) {
    if (value == 0) {
        value = 0; // no "-0"
    }
    std::array<char, 400> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                      std::chars_format::fixed);
    std::string text(digits.data(), result.ptr);
    return (value < 0 ? "" : " ") + text + " ";
}

} // namespace

TextPage::TextPage(int columns, int continuationColumn)
    : columns_(std::max(columns, 1)),
      continuationColumn_(std::clamp(continuationColumn, 1, columns_)) {}

void TextPage::tab(int column) {
    if (column_ > column) {
        endLine();
    }
    column_ = column;
}

void TextPage::text(std::string_view s) {
    print(s, true);
}

void TextPage::item(std::string_view s) {
    print(s, false);
}

void TextPage::number(double value) {
    item(numberText(value));
}

void TextPage::endLine() {
    lines_.push_back(std::move(line_));
    line_.clear();
    column_ = 1;
}

std::vector<PrintLine> TextPage::finish() {
    if (!line_.empty()) {
        endLine();
    }
    return std::move(lines_);
}

void TextPage::print(std::string_view s, bool breakAtBlanks) {
    while (!s.empty()) {
        const int room = columns_ - column_ + 1;
        if (std::cmp_less_equal(utf8Length(s), room)) {
            place(s);
            return;
        }
        const std::size_t fitEnd = utf8Offset(s, static_cast<std::size_t>(std::max(room, 0)));
        Split split = breakAtBlanks ? blankSplit(s, fitEnd) : Split{};
        if (split.end == 0) {
            if (column_ > continuationColumn_) {
                // A continuation line has more room: move the whole word there.
                continueLine();
                continue;
            }
            split = {fitEnd, fitEnd};
        }
        place(s.substr(0, split.end));
        s.remove_prefix(split.resume);
        if (!s.empty()) {
            continueLine();
        }
    }
}

void TextPage::place(std::string_view s) {
    if (s.empty()) {
        return;
    }
    const int length = static_cast<int>(utf8Length(s));
    if (!line_.empty()) {
        PrintSpan& last = line_.back();
        const bool adjoins = last.column + static_cast<int>(utf8Length(last.text)) == column_;
        if (adjoins && last.bold == bold_ && last.underline == underline_) {
            last.text += s;
            column_ += length;
            return;
        }
    }
    line_.push_back({column_, std::string(s), bold_, underline_});
    column_ += length;
}

void TextPage::continueLine() {
    endLine();
    column_ = continuationColumn_;
}

std::vector<std::vector<PrintLine>> paginate(const std::vector<PrintLine>& lines,
                                             int linesPerPage) {
    const auto perPage = static_cast<std::size_t>(std::max(linesPerPage, 1));
    std::vector<std::vector<PrintLine>> pages;
    for (std::size_t first = 0; first < lines.size(); first += perPage) {
        const std::size_t last = std::min(first + perPage, lines.size());
        pages.emplace_back(lines.begin() + static_cast<std::ptrdiff_t>(first),
                           lines.begin() + static_cast<std::ptrdiff_t>(last));
    }
    return pages;
}

} // namespace sorvik1
