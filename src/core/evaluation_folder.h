#pragma once

#include "core/evaluation.h"

#include <stop_token>
#include <string>
#include <vector>

namespace sorvik1 {

// The permanence files of a folder and its sub-folders.
struct FolderListing {
    std::vector<std::string> files;   // every "*.txt", sorted by path
    std::vector<FileRefusal> refused; // sub-folders that could not be read
    bool cancelled = false;
};

// Each folder is visited once, however links lead back to it, so a link
// loop ends; a stop request ends the listing early.
FolderListing permanenceFilesIn(const std::string& folder, std::stop_token stop);

} // namespace sorvik1
