// A header line of 200 MiB costs no more than the file's size to read: the
// command's peak memory, measured on the child process, stays within the
// file's size and 64 MiB, and what it writes stays small.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t headerBytes = std::uintmax_t(200) << 20;
constexpr long allowance = 64L << 20;

// Runs the command on `file` with its output in `output`; the peak resident
// memory of the child in bytes, or -1 when it did not end well.
long peakMemory(const std::string& format, const fs::path& file, const fs::path& output) {
    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(out, 1);
        ::execl(SORVIK1_ANALYSE, SORVIK1_ANALYSE, "--figur", "rr", "--format", format.c_str(),
                file.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return -1;
    }
    return usage.ru_maxrss * 1024L;
}

TEST(HeaderMemory, AHugeHeaderLineCostsNoMoreThanTheFile) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's shadow memory has its own size";
#endif
    const fs::path folder =
        fs::temp_directory_path() / ("sorvik1-header-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path file = folder / "kopf.txt";
    {
        std::ofstream bytes(file, std::ios::binary);
        bytes << "Spielbank X\r\n";
        const std::string block(1 << 20, '\x80');
        for (std::uintmax_t written = 0; written < headerBytes; written += block.size()) {
            bytes << block;
        }
        bytes << "\r\nTisch\r\nDatum\r\nPermanenz\r\n1\r\n2\r\n3\r\n";
    }
    const long fileSize = static_cast<long>(fs::file_size(file));
    for (const std::string format : {"text", "csv", "json"}) {
        const fs::path output = folder / ("out." + format);
        const long peak = peakMemory(format, file, output);
        EXPECT_GT(peak, 0) << format;
        EXPECT_LT(peak, fileSize + allowance) << format << ": " << (peak >> 20) << " MiB";
        EXPECT_LT(fs::file_size(output), 64U << 10) << format;
    }
    fs::remove_all(folder);
}

} // namespace
