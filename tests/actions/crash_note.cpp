#include "crash_note.h"

#include "action.h"

#include <csignal>
#include <cstdio>
#include <unistd.h>

// Present in the sanitizer runtime only: called before a sanitizer ends the
// process on a fault it found.
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace {

char note[1024];
std::uint64_t noteSeed = 0;

void tell() {
    const std::size_t length = ::strnlen(note, sizeof note);
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, note, length);
}

extern "C" void onSignal(int signal) {
    tell();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

void installCrashNote() {
    for (const int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) {
        std::signal(signal, onSignal);
    }
    if (__sanitizer_set_death_callback) {
        __sanitizer_set_death_callback(tell);
    }
}

void noteSequence(std::uint64_t seed) {
    noteSeed = seed;
    std::snprintf(note, sizeof note,
                  "\nThe action sequence with seed %llu ended the process while its window was "
                  "made.\nReplay it with SORVIK1_REPLAY_SEED=%llu\n",
                  static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed));
}

void noteAction(int step, const Action& action) {
    const QByteArray what = describe(action).toUtf8();
    std::snprintf(note, sizeof note,
                  "\nThe action sequence with seed %llu ended the process at action %d: %s\n"
                  "Replay it with SORVIK1_REPLAY_SEED=%llu\n",
                  static_cast<unsigned long long>(noteSeed), step + 1, what.constData(),
                  static_cast<unsigned long long>(noteSeed));
}
