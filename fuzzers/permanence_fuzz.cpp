// Arbitrary bytes as a permanence file: the parser must neither crash nor
// read outside the bytes, and what it hands on must hold what the run and the
// window rely on.
#include "core/permanence.h"
#include "core/roulette_number.h"
#include "core/text_encoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Decoded text is valid UTF-8, so decoding it again keeps it as it is.
void checkDecoding(std::string_view bytes) {
    const std::string utf8 = sorvik1::fileTextToUtf8(bytes);
    require(sorvik1::fileTextToUtf8(utf8) == utf8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const sorvik1::Permanence p = sorvik1::parsePermanence(bytes);
    require(p.header.size() <= 4);
    if (p.status == sorvik1::PermanenceStatus::Ok) {
        require(p.header.size() == 4);
        for (const double spin : p.spins) {
            require(sorvik1::rouletteNumber(spin).has_value());
        }
    } else {
        require(p.spins.empty());
    }
    if (p.status == sorvik1::PermanenceStatus::NumberOutOfRange) {
        require(p.errorLine >= 1 && !sorvik1::rouletteNumber(p.errorValue));
    }
    for (const std::string& item : p.header) {
        checkDecoding(item);
    }
    checkDecoding(bytes);
    return 0;
}
