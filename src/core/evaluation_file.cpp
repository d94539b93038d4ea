#include "core/evaluation_file.h"

#include <filesystem>
#include <fstream>
#include <optional>

namespace sorvik1 {

namespace {

constexpr std::uintmax_t maxFileBytes = std::uintmax_t{1} << 30;

struct Stamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type changed;
    bool operator==(const Stamp&) const = default;
};

std::optional<Stamp> stampOf(const std::filesystem::path& path) {
    std::error_code code;
    Stamp stamp;
    stamp.size = std::filesystem::file_size(path, code);
    if (code) {
        return std::nullopt;
    }
    stamp.changed = std::filesystem::last_write_time(path, code);
    if (code) {
        return std::nullopt;
    }
    return stamp;
}

} // namespace

FileBytes readPermanenceFile(const std::string& path) {
    std::error_code code;
    const auto status = std::filesystem::status(path, code);
    if (code || !std::filesystem::exists(status)) {
        return {{}, "Die Datei ist nicht vorhanden."};
    }
    if (std::filesystem::is_directory(status)) {
        return {{}, "Das ist ein Verzeichnis, keine Datei."};
    }
    if (!std::filesystem::is_regular_file(status)) {
        return {{}, "Das ist keine gewöhnliche Datei."};
    }
    const auto before = stampOf(path);
    if (before && before->size > maxFileBytes) {
        return {{}, "Die Datei ist größer als 1 GB."};
    }
    std::ifstream file(path, std::ios::binary);
    if (!before || !file) {
        return {{}, "Die Datei lässt sich nicht öffnen; es fehlt wohl die Berechtigung."};
    }
    FileBytes read;
    read.bytes.resize(static_cast<std::size_t>(before->size));
    file.read(read.bytes.data(), static_cast<std::streamsize>(read.bytes.size()));
    const bool whole = file.gcount() == static_cast<std::streamsize>(read.bytes.size());
    // Anything beyond the size seen before means the file grew meanwhile.
    const bool grew = whole && file.peek() != std::ifstream::traits_type::eof();
    if (!whole || grew || stampOf(path) != before) {
        return {{}, "Die Datei wurde während des Lesens verändert."};
    }
    if (file.bad()) {
        return {{}, "Beim Lesen der Datei ist ein Fehler aufgetreten."};
    }
    return read;
}

} // namespace sorvik1
