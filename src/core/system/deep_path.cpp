#include "core/system/deep_path.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace sorvik1 {

namespace {

// Opens `part` relative to `at` and closes `at` unless it is the working folder.
int openPart(int at, const std::string& part, int flags) {
    const int descriptor = ::openat(at, part.c_str(), flags);
    const int error = errno;
    if (at != AT_FDCWD) {
        ::close(at);
    }
    errno = error;
    return descriptor;
}

} // namespace

int openDeep(const std::string& path, int flags) {
    const int descriptor = ::open(path.c_str(), flags);
    if (descriptor >= 0 || errno != ENAMETOOLONG) {
        return descriptor;
    }
    // Parts as long as the system takes, each cut at a slash.
    constexpr std::size_t longest = PATH_MAX - 1;
    int at = AT_FDCWD;
    std::size_t start = 0;
    while (path.size() - start > longest) {
        const std::size_t cut = path.rfind('/', start + longest);
        if (cut == std::string::npos || cut <= start) {
            if (at != AT_FDCWD) {
                ::close(at);
            }
            errno = ENAMETOOLONG;
            return -1;
        }
        at = openPart(at, path.substr(start, cut - start), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (at < 0) {
            return -1;
        }
        start = cut + 1;
    }
    return openPart(at, path.substr(start), flags);
}

} // namespace sorvik1
