#pragma once

#include "core/print/text_page.h"
#include "core/text/utf8.h"

#include <string>
#include <vector>

namespace sorvik1::test {

// The lines as a character printer would show them: each span at its column.
inline std::vector<std::string> plainText(const std::vector<PrintLine>& lines) {
    std::vector<std::string> texts;
    for (const PrintLine& line : lines) {
        std::string text;
        for (const PrintSpan& span : line) {
            while (utf8Length(text) + 1 < static_cast<std::size_t>(span.column)) {
                text += ' ';
            }
            text += span.text;
        }
        texts.push_back(text);
    }
    return texts;
}

} // namespace sorvik1::test
