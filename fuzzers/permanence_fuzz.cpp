// Arbitrary bytes as a permanence file: the parser must neither crash nor
// read outside the bytes, and what it hands on must hold what the run and the
// window rely on. The bytes also go through a real file and the intake both
// front ends read with, which must hand the parser exactly those bytes.
#include "core/intake/permanence.h"
#include "core/intake/permanence_intake.h"
#include "core/text/text_encoding.h"
#include "core/wheel/roulette_number.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

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

// One scratch file for the whole run, rewritten for every input and removed
// at exit. A plain array outlives every exit handler.
char scratchPath[] = "/tmp/sorvik1-permanence-fuzz-XXXXXX";

void makeScratchFile() {
    static const bool made = [] {
        const int descriptor = ::mkstemp(scratchPath);
        require(descriptor >= 0);
        ::close(descriptor);
        std::atexit([] { std::remove(scratchPath); });
        return true;
    }();
    require(made);
}

void checkIntake(std::string_view bytes, const sorvik1::Permanence& parsed) {
    makeScratchFile();
    std::FILE* file = std::fopen(scratchPath, "wb");
    require(file != nullptr);
    require(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    require(std::fclose(file) == 0);
    const sorvik1::PermanenceIntake intake = sorvik1::intakePermanence(scratchPath);
    require(intake.failure.refusal == sorvik1::IntakeRefusal::None);
    require(intake.permanence.status == parsed.status);
    require(intake.permanence.header == parsed.header);
    require(intake.permanence.spins == parsed.spins);
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
    checkIntake(bytes, p);
    return 0;
}
