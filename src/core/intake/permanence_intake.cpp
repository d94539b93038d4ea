#include "core/intake/permanence_intake.h"

#include "core/system/deep_path.h"
#include "core/system/descriptor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvik1 {

namespace {

FileKind kindOf(mode_t mode) {
    if (S_ISREG(mode)) {
        return FileKind::Regular;
    }
    if (S_ISDIR(mode)) {
        return FileKind::Directory;
    }
    if (S_ISCHR(mode)) {
        return FileKind::CharacterDevice;
    }
    if (S_ISBLK(mode)) {
        return FileKind::BlockDevice;
    }
    if (S_ISFIFO(mode)) {
        return FileKind::Fifo;
    }
    if (S_ISSOCK(mode)) {
        return FileKind::Socket;
    }
    return FileKind::Other;
}

FileBytes refused(IntakeRefusal refusal, int error = 0, FileKind kind = FileKind::Regular) {
    return {{}, {refusal, error, kind}};
}

// A socket cannot be opened at all (ENXIO); say what it is rather than
// naming the error. Looking at the path again is harmless here: the file is
// refused whatever it has become.
FileBytes openFailure(const std::string& path, int error) {
    struct stat info {};
    if (error == ENXIO && ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return refused(IntakeRefusal::NotRegularFile, 0, kindOf(info.st_mode));
    }
    return refused(IntakeRefusal::OpenFailed, error);
}

bool sameFile(const struct stat& before, const struct stat& after) {
    return before.st_size == after.st_size && before.st_mtim.tv_sec == after.st_mtim.tv_sec &&
           before.st_mtim.tv_nsec == after.st_mtim.tv_nsec;
}

// The next size of the buffer once it is full: a file that grows is followed
// in doubling steps, but never past one byte beyond the bound, which is
// enough to tell that the file is too large.
std::size_t grownSize(std::size_t size, std::uint64_t maxBytes) {
    const std::uint64_t wanted = std::max<std::uint64_t>(2 * std::uint64_t(size), 1 << 16);
    return static_cast<std::size_t>(std::min(wanted, maxBytes + 1));
}

} // namespace

long systemReadStep(int descriptor, char* buffer, std::size_t size) {
    ssize_t count = 0;
    do {
        count = ::read(descriptor, buffer, size);
    } while (count < 0 && errno == EINTR);
    return static_cast<long>(count);
}

FileBytes readPermanenceBytes(const std::string& path, const ReadStep& read,
                              std::uint64_t maxBytes) {
    const Descriptor file(openDeep(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) {
        return openFailure(path, errno);
    }
    // Checked on the opened descriptor, so what is read is what was checked.
    struct stat before {};
    if (::fstat(file.get(), &before) != 0) {
        return refused(IntakeRefusal::ReadFailed, errno);
    }
    if (!S_ISREG(before.st_mode)) {
        return refused(IntakeRefusal::NotRegularFile, 0, kindOf(before.st_mode));
    }
    if (static_cast<std::uint64_t>(before.st_size) > maxBytes) {
        return refused(IntakeRefusal::TooLarge);
    }
    // One byte more than the file holds, so that its end is met without a
    // second allocation.
    FileBytes result;
    std::string& bytes = result.bytes;
    bytes.resize(static_cast<std::size_t>(before.st_size) + 1);
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxBytes) {
                return refused(IntakeRefusal::TooLarge);
            }
            bytes.resize(grownSize(filled, maxBytes));
        }
        const long count = read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (count < 0) {
            return refused(IntakeRefusal::ReadFailed, errno);
        }
        if (count == 0) {
            break;
        }
        filled += static_cast<std::size_t>(count);
    }
    bytes.resize(filled);
    struct stat after {};
    if (::fstat(file.get(), &after) != 0) {
        return refused(IntakeRefusal::ReadFailed, errno);
    }
    if (!sameFile(before, after) || filled != static_cast<std::size_t>(before.st_size)) {
        return refused(IntakeRefusal::ChangedWhileRead);
    }
    return result;
}

PermanenceIntake intakePermanence(const std::string& path, const ReadStep& read) {
    FileBytes file = readPermanenceBytes(path, read);
    PermanenceIntake intake;
    intake.failure = file.failure;
    if (file.failure.refusal == IntakeRefusal::None) {
        intake.permanence = parsePermanence(file.bytes);
    }
    return intake;
}

} // namespace sorvik1
