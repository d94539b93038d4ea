// The trainer's start-up, offscreen: from starting the program to the first
// picture of its window reaching the screen. The program is the one that
// ships, started as a user starts it; Qt's painting log says when the
// window's first picture is flushed, and the program is ended there.

#include "seconds_reporter.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// The line Qt logs when a top-level window's picture is flushed.
bool windowFlushed(const std::string& line) {
    return line.find("Flushing QRegion") != std::string::npos &&
           line.find(" of Form1(") != std::string::npos;
}

// Seconds from starting the trainer to its window shown; 0 if it never was.
double startToWindow() {
    std::vector<std::string> variables;
    for (char** v = environ; *v != nullptr; ++v) {
        const std::string variable = *v;
        if (variable.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
            variable.rfind("QT_LOGGING_RULES=", 0) != 0) {
            variables.push_back(variable);
        }
    }
    variables.emplace_back("QT_QPA_PLATFORM=offscreen");
    variables.emplace_back("QT_LOGGING_RULES=qt.widgets.painting=true");
    std::vector<char*> env;
    for (std::string& v : variables) {
        env.push_back(v.data());
    }
    env.push_back(nullptr);
    std::string program = SORVIK1_TRAINER;
    char* argv[] = {program.data(), nullptr};

    int log[2];
    if (pipe(log) != 0) {
        return 0;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, log[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, log[0]);
    posix_spawn_file_actions_addclose(&actions, log[1]);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, env.data());
    posix_spawn_file_actions_destroy(&actions);
    close(log[1]);
    double seconds = 0;
    if (spawned == 0) {
        std::string line;
        char c = 0;
        while (read(log[0], &c, 1) == 1) {
            if (c != '\n') {
                line += c;
                continue;
            }
            if (windowFlushed(line)) {
                seconds =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                break;
            }
            line.clear();
        }
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    close(log[0]);
    return seconds;
}

void BM_StartToWindow(benchmark::State& state) {
    for (auto _ : state) {
        const double seconds = startToWindow();
        if (seconds <= 0) {
            state.SkipWithError("the trainer's window was never shown");
            break;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_StartToWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(7);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    sorvik1::bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("ms start_to_window %.1f\n",
                1000.0 * reporter.secondsPerIteration("BM_StartToWindow"));
    return 0;
}
