#include "core/search_input.h"

#include "core/figure_search.h"
#include "core/permanence.h"
#include "core/permanence_refusal.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace sorvik1 {

SearchFile readSearchFile(const std::string& path) {
    SearchFile file;
    std::error_code code;
    if (!std::filesystem::is_regular_file(path, code)) {
        file.error = std::filesystem::exists(path, code) ? "Das ist keine gewöhnliche Datei."
                                                         : "Die Datei gibt es nicht.";
        return file;
    }
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        file.error = "Die Datei lässt sich nicht öffnen; fehlt das Leserecht?";
        return file;
    }
    std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    if (!stream.good() && !stream.eof()) {
        file.error = "Die Datei lässt sich nicht lesen.";
        return file;
    }
    const Permanence permanence = parsePermanence(bytes);
    file.error = permanenceRefusal(permanence);
    if (file.error.empty()) {
        const auto source = SpinSource::imported(wheelColours(), permanence.spins);
        file.words = packSpins(source, 0, static_cast<std::int64_t>(permanence.spins.size()));
    }
    return file;
}

} // namespace sorvik1
