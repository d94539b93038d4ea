#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace sorvik1 {

// Why a file could not be saved, from the system's error number. The front
// ends word it; the core never shows the system's own text.
enum class SaveError {
    None,
    DiskFull,     // no space left, or the user's quota is used up
    NoPermission, // the folder or the file may not be written
    ReadOnly,     // the file system is mounted read-only
    NoFolder,     // the folder does not exist
    TooLarge,     // larger than the file system allows
    DeviceError,  // the disk reported a failed write
    Incomplete,   // fewer bytes arrived on the disk than were written
    Other,        // any other error reported by the system
};

struct SaveResult {
    SaveError error = SaveError::None;
    int systemError = 0; // errno where the system reported one

    bool ok() const { return error == SaveError::None; }
};

SaveError saveErrorOf(int systemError);

// The system calls a save makes, each returning 0 or an errno value. Tests
// replace them to fail on purpose: a full disk after some bytes, a failing
// flush, a folder that refuses writing even to root.
class SaveSystem {
  public:
    virtual ~SaveSystem() = default;
    // Creates `path`, which must not exist yet, for writing; sets `fd`.
    virtual int create(const std::string& path, int& fd);
    // Writes some of the bytes and sets `written` to how many.
    virtual int write(int fd, const char* bytes, std::size_t size, std::size_t& written);
    // Brings the file's bytes onto the disk (fsync).
    virtual int flush(int fd);
    virtual int size(int fd, off_t& size);
    virtual int close(int fd);
    virtual int rename(const std::string& from, const std::string& to);
    virtual void remove(const std::string& path);
};

// The system itself.
SaveSystem& systemSaveSystem();

// Saves `bytes` as the file `target` so that the target is either the new
// content whole or untouched: the bytes go to a new file in the target's
// folder, every write, the flush to disk and the size on disk are checked,
// and only then is the new file renamed over the target. On any failure the
// new file is removed and the target stays as it was. A file that existed
// keeps its permissions.
SaveResult saveFile(const std::string& target, std::string_view bytes,
                    SaveSystem& system = systemSaveSystem());

} // namespace sorvik1
