#include "core/evaluation_folder.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace sorvik1 {

namespace {

namespace fs = std::filesystem;

bool permanenceName(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".txt";
}

} // namespace

FolderListing permanenceFilesIn(const std::string& folder, std::stop_token stop) {
    FolderListing listing;
    std::set<fs::path> visited;
    std::vector<fs::path> waiting{fs::path(folder)};
    while (!waiting.empty()) {
        if (stop.stop_requested()) {
            listing.cancelled = true;
            break;
        }
        const fs::path directory = std::move(waiting.back());
        waiting.pop_back();
        std::error_code code;
        const fs::path identity = fs::canonical(directory, code);
        if (code || !visited.insert(identity).second) {
            continue;
        }
        fs::directory_iterator entries(directory, code);
        if (code) {
            listing.refused.push_back({directory.string(),
                                       "Der Ordner lässt sich nicht lesen; es fehlt wohl die "
                                       "Berechtigung."});
            continue;
        }
        for (; entries != fs::directory_iterator(); entries.increment(code)) {
            if (code) {
                listing.refused.push_back(
                    {directory.string(), "Der Ordner ließ sich nicht ganz lesen."});
                break;
            }
            const fs::directory_entry& entry = *entries;
            std::error_code kind;
            if (entry.is_directory(kind)) {
                waiting.push_back(entry.path());
            } else if (permanenceName(entry.path()) && entry.is_regular_file(kind)) {
                listing.files.push_back(entry.path().string());
            }
        }
    }
    std::sort(listing.files.begin(), listing.files.end());
    return listing;
}

} // namespace sorvik1
