#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik1 {

// Why a permanence file was not loaded. Empty and NotACasinoFile leave the
// import frame open without a message; every other failure is reported.
enum class PermanenceStatus {
    Ok,
    Empty,            // the file has no bytes
    NotACasinoFile,   // the first item does not begin with "Spielbank"
    EndsInHeader,     // the file ends inside the four header items
    NumberOutOfRange, // a spin outside 0 .. 36 after rounding
    TooManySpins,     // more spins than the trainer can hold
};

// A header item keeps at most this many bytes of its line: a casino, a table
// and a date fit in far less, and a file whose header line runs to gigabytes
// must cost no more than its size to read.
inline constexpr std::size_t maxHeaderItemBytes = 1000;

// A permanence file parsed in one go from its bytes in memory.
struct Permanence {
    PermanenceStatus status = PermanenceStatus::Ok;
    // The header items read, raw bytes as in the file (1 to 4 of them; on
    // EndsInHeader the ones read before the file ended). A longer item keeps
    // its first maxHeaderItemBytes bytes, cut between two characters, and
    // ends with "…" in its own encoding (UTF-8, or else Windows-1252).
    std::vector<std::string> header;
    // The numeric value of every spin item, in file order (empty unless Ok).
    std::vector<double> spins;
    // For NumberOutOfRange: the 1-based line and the offending value.
    std::size_t errorLine = 0;
    double errorValue = 0;
};

// Parses a whole permanence file: four header items, the first beginning with
// "Spielbank", then one spin per item up to the end or up to an item that
// begins with "="; items beginning with "-" are separators. A blank line in the
// data is skipped, an empty item between two commas is a spin 0. A leading
// UTF-8 byte order mark is ignored. Throws nothing but std::bad_alloc and
// never reads outside `bytes`, whatever they hold.
Permanence parsePermanence(std::string_view bytes);

} // namespace sorvik1
