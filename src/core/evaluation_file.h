#pragma once

#include <string>

namespace sorvik1 {

// The bytes of a permanence file read whole, or the German reason why not.
struct FileBytes {
    std::string bytes;
    std::string failure; // empty when read
};

// Regular files only, at most 1 GiB; a file whose size or time of change
// moves while it is read is refused rather than counted half old, half new.
FileBytes readPermanenceFile(const std::string& path);

} // namespace sorvik1
