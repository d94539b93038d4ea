#include "core/system/safe_save.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvik1 {

namespace {

int errorOf(int result) {
    return result < 0 ? errno : 0;
}

// A name beside the target that no other save, of this program or another
// instance, uses at the same time; hidden, so that a file browser does not
// show it while it is written.
std::string temporaryName(const std::string& target, int attempt) {
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    return folder + "." + name + ".sorvik1-" + std::to_string(::getpid()) + "-" +
           std::to_string(counter++) + "-" + std::to_string(attempt) + ".tmp";
}

// Writes everything, carrying on after a short write; the first error ends it.
int writeAll(SaveSystem& system, int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        std::size_t written = 0;
        const int error = system.write(fd, bytes.data(), bytes.size(), written);
        if (error == EINTR) {
            continue;
        }
        if (error != 0) {
            return error;
        }
        if (written == 0) {
            return ENOSPC; // nothing taken and no reason given: no room
        }
        bytes.remove_prefix(written);
    }
    return 0;
}

} // namespace

SaveError saveErrorOf(int systemError) {
    switch (systemError) {
    case 0:
        return SaveError::None;
    case ENOSPC:
    case EDQUOT:
        return SaveError::DiskFull;
    case EACCES:
    case EPERM:
        return SaveError::NoPermission;
    case EROFS:
        return SaveError::ReadOnly;
    case ENOENT:
    case ENOTDIR:
        return SaveError::NoFolder;
    case EFBIG:
        return SaveError::TooLarge;
    case EIO:
        return SaveError::DeviceError;
    default:
        return SaveError::Other;
    }
}

int SaveSystem::create(const std::string& path, int& fd) {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return errorOf(fd);
}

int SaveSystem::write(int fd, const char* bytes, std::size_t size, std::size_t& written) {
    const ssize_t result = ::write(fd, bytes, size);
    if (result < 0) {
        written = 0;
        return errno;
    }
    written = static_cast<std::size_t>(result);
    return 0;
}

int SaveSystem::flush(int fd) {
    return errorOf(::fsync(fd));
}

int SaveSystem::size(int fd, off_t& size) {
    struct stat status {};
    const int error = errorOf(::fstat(fd, &status));
    size = status.st_size;
    return error;
}

int SaveSystem::close(int fd) {
    return errorOf(::close(fd));
}

int SaveSystem::rename(const std::string& from, const std::string& to) {
    return errorOf(::rename(from.c_str(), to.c_str()));
}

void SaveSystem::remove(const std::string& path) {
    ::unlink(path.c_str());
}

SaveSystem& systemSaveSystem() {
    static SaveSystem system;
    return system;
}

SaveResult saveFile(const std::string& target, std::string_view bytes, SaveSystem& system) {
    std::string temporary;
    int fd = -1;
    int error = EEXIST;
    for (int attempt = 0; error == EEXIST && attempt < 100; ++attempt) {
        temporary = temporaryName(target, attempt);
        error = system.create(temporary, fd);
    }
    if (error != 0) {
        return {saveErrorOf(error), error};
    }
    // A file that is replaced keeps who may read and write it.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
    }
    SaveResult result;
    error = writeAll(system, fd, bytes);
    if (error == 0) {
        error = system.flush(fd);
    }
    off_t onDisk = 0;
    if (error == 0) {
        error = system.size(fd, onDisk);
    }
    if (error == 0 && onDisk != static_cast<off_t>(bytes.size())) {
        result = {SaveError::Incomplete, 0};
    }
    // Closing can report a write that failed late, on network file systems.
    const int closed = system.close(fd);
    error = error != 0 ? error : closed;
    if (error == 0 && result.ok()) {
        error = system.rename(temporary, target);
    }
    if (error != 0) {
        result = {saveErrorOf(error), error};
    }
    if (!result.ok()) {
        system.remove(temporary);
    }
    return result;
}

} // namespace sorvik1
