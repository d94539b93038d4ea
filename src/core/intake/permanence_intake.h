#pragma once

#include "core/intake/permanence.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace sorvik1 {

// Permanence files hold a few megabytes; a file far beyond the largest run is
// refused before it is read, and a file that grows past this while it is read
// is refused as soon as it does, so no choice of file can exhaust the memory.
inline constexpr std::uint64_t maxPermanenceFileBytes = std::uint64_t(1) << 30;

// Why a permanence file could not be read. The front ends word it through
// intakeRefusalText().
enum class IntakeRefusal {
    None,             // the file was read
    OpenFailed,       // open() failed; `error` holds errno
    NotRegularFile,   // a directory, device, FIFO or socket; `kind` says which
    TooLarge,         // more than maxPermanenceFileBytes
    ReadFailed,       // read() or fstat() failed; `error` holds errno
    ChangedWhileRead, // size or modification time differ after the read
};

// What the path leads to, after links.
enum class FileKind { Regular, Directory, CharacterDevice, BlockDevice, Fifo, Socket, Other };

struct IntakeFailure {
    IntakeRefusal refusal = IntakeRefusal::None;
    int error = 0; // errno for OpenFailed and ReadFailed
    FileKind kind = FileKind::Regular;
};

// One read step: like ::read(), up to `size` bytes into `buffer`; returns the
// count read, 0 at the end, or -1 with errno set. Tests pass their own to
// change the file in the middle of a read.
using ReadStep = std::function<long(int descriptor, char* buffer, std::size_t size)>;

// The read step the program uses: ::read(), repeated when a signal interrupts it.
long systemReadStep(int descriptor, char* buffer, std::size_t size);

struct FileBytes {
    std::string bytes; // the whole file; empty when refused
    IntakeFailure failure;
};

// Reads the regular file at `path` (links followed) whole, all or nothing:
// opened without blocking (a FIFO never waits for a writer), checked on the
// opened descriptor, read with at most `maxBytes` bytes, and refused when it
// changed while it was read. Never throws but std::bad_alloc.
FileBytes readPermanenceBytes(const std::string& path, const ReadStep& read = systemReadStep,
                              std::uint64_t maxBytes = maxPermanenceFileBytes);

// A permanence file from its path: read by readPermanenceBytes() and, when
// that succeeded, parsed by parsePermanence(). The file is accepted when
// `failure.refusal` is None and `permanence.status` is Ok.
struct PermanenceIntake {
    IntakeFailure failure;
    Permanence permanence;
};

PermanenceIntake intakePermanence(const std::string& path, const ReadStep& read = systemReadStep);

// Why the file could not be read, as one German sentence about "die Datei"
// (empty for None). Every errno a user can meet has its own sentence; any
// other names its number, so no system text in English reaches the user.
std::string intakeRefusalText(const IntakeFailure& failure);

} // namespace sorvik1
