#include "core/intake/permanence.h"

#include "core/intake/field_reader.h"
#include "core/system/allocation_seam.h"
#include "core/system/huge_pages.h"
#include "core/text/leading_number.h"
#include "core/text/text_encoding.h"
#include "core/text/utf8.h"
#include "core/wheel/limits.h"
#include "core/wheel/roulette_number.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace sorvik1 {
namespace {

constexpr std::string_view casinoMark = "Spielbank";
constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr int headerItems = 4;

// Editors that save UTF-8 often put a byte order mark in front; it is not
// part of the first header item.
std::string_view withoutByteOrderMark(std::string_view bytes) {
    if (bytes.starts_with(utf8ByteOrderMark)) {
        bytes.remove_prefix(utf8ByteOrderMark.size());
    }
    return bytes;
}

// Nearly every spin is a plain whole number of one or two digits; reading it
// here spares the general number reader.
bool plainWholeNumber(std::string_view text, std::uint32_t& value) {
    if (text.empty() || text.size() > 9) {
        return false;
    }
    std::uint32_t v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        v = v * 10 + static_cast<std::uint32_t>(c - '0');
    }
    value = v;
    return true;
}

// Room for the spins of the rest of the file. A spin takes at least two bytes
// in any usual layout ("7," or "7" and a line end); a denser file grows the
// store as it goes. Never more than the largest accepted run.
std::size_t expectedSpins(std::size_t remainingBytes) {
    return std::min(maxSpins, remainingBytes / 2 + 1);
}

// Appends a spin, growing the store by doubling but never past the largest
// accepted run.
void appendSpin(std::vector<double>& spins, double value) {
    if (spins.size() == spins.capacity()) {
        spins.reserve(std::min(maxSpins, 2 * spins.capacity() + 1));
    }
    spins.push_back(value);
}

Permanence refused(Permanence result, PermanenceStatus status) {
    result.status = status;
    result.spins = {};
    return result;
}

// A header item as kept: whole, or its start cut between two characters.
// Valid UTF-8 is cut before a sequence and gets a UTF-8 ellipsis; anything
// else is Windows-1252, one byte a character, and gets that code page's.
std::string boundedHeaderItem(std::string_view text) {
    if (text.size() <= maxHeaderItemBytes) {
        return std::string(text);
    }
    std::size_t cut = maxHeaderItemBytes;
    while (cut + 3 > maxHeaderItemBytes && utf8Continuation(text[cut])) {
        --cut;
    }
    if (isValidUtf8(text.substr(0, cut))) {
        return std::string(text.substr(0, cut)) + "\xE2\x80\xA6";
    }
    return std::string(text.substr(0, maxHeaderItemBytes)) + "\x85";
}

// Reads the four header items. A blank line in the header is an empty item,
// so a file whose date line was left empty still has its data where its
// four header lines end.
bool readHeader(FieldReader& reader, Permanence& result) {
    Field field;
    for (int item = 0; item < headerItems; ++item) {
        if (!reader.next(field)) {
            result.status = PermanenceStatus::EndsInHeader;
            return false;
        }
        result.header.push_back(boundedHeaderItem(field.text));
        if (item == 0 && !field.text.starts_with(casinoMark)) {
            result.status = PermanenceStatus::NotACasinoFile;
            return false;
        }
    }
    return true;
}

} // namespace

Permanence parsePermanence(std::string_view bytes) {
    Permanence result;
    bytes = withoutByteOrderMark(bytes);
    if (bytes.empty()) {
        result.status = PermanenceStatus::Empty;
        return result;
    }
    FieldReader reader(bytes);
    if (!readHeader(reader, result)) {
        return result;
    }
    const std::size_t room = expectedSpins(reader.remaining());
    announceAllocation(room * sizeof(double));
    result.spins.reserve(room);
    adviseHugePages(result.spins.data(), result.spins.capacity() * sizeof(double));
    Field field;
    while (reader.next(field)) {
        // A blank line is a slip of the editor, not a spin.
        if (field.blankLine) {
            continue;
        }
        const std::string_view text = field.text;
        if (text.starts_with('-')) {
            continue;
        }
        if (text.starts_with('=')) {
            break;
        }
        std::uint32_t whole = 0;
        const bool plain = plainWholeNumber(text, whole);
        const double value = plain ? static_cast<double>(whole) : leadingNumber(text);
        if (plain ? whole > 36 : !rouletteNumber(value)) {
            result.errorLine = field.line;
            result.errorValue = value;
            return refused(std::move(result), PermanenceStatus::NumberOutOfRange);
        }
        if (result.spins.size() == maxSpins) {
            return refused(std::move(result), PermanenceStatus::TooManySpins);
        }
        appendSpin(result.spins, value);
    }
    return result;
}

} // namespace sorvik1
