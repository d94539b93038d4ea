#include "core/system/safe_save.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string output(const std::string& command) {
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return text;
    }
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        text += buffer.data();
    }
    ::pclose(pipe);
    return text;
}

// A real full disk, not a simulated one: a 64 KiB file system mounted in a
// namespace of its own, which needs no root (and works as root too). The
// save fails as full, the old file keeps its content, and the temporary
// file is gone.
TEST(SafeSaveOnAFullDisk, KeepsTheOldFileAndLeavesNothingBehind) {
    ASSERT_EQ(std::system("command -v unshare >/dev/null"), 0) << "unshare (util-linux) is missing";
    const auto folder = std::filesystem::temp_directory_path() /
                        ("sorvik1-full-disk-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string result = output(
        "unshare -rm sh -c 'mount -t tmpfs -o size=64k tmpfs \"$0\" && exec \"$1\" \"$0\"' " +
        folder.string() + " " + SORVIK1_FULL_DISK_SAVE + " 2>&1");
    std::filesystem::remove_all(folder);
    EXPECT_EQ(result, std::to_string(static_cast<int>(sorvik1::SaveError::DiskFull)) + " alt 1\n");
}

} // namespace
