#pragma once

#include <string>

namespace sorvik1 {

// open(path, flags), also for a path longer than the system takes at once
// (PATH_MAX): such a path is opened folder by folder, each part relative to
// the one before (openat), so a file deep in a folder tree is read like any
// other. Returns the descriptor, or -1 with errno set.
int openDeep(const std::string& path, int flags);

} // namespace sorvik1
