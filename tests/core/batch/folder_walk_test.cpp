#include "core/batch/evaluation_folder.h"
#include "core/intake/permanence_intake.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A temporary folder removed with `rm`, which, unlike a walk by path, also
// removes a tree deeper than the longest path.
class Scratch {
  public:
    explicit Scratch(const std::string& name)
        : path_(fs::temp_directory_path() / ("sorvik1-walk-" + name + std::to_string(getpid()))) {
        clear();
        fs::create_directories(path_);
    }
    ~Scratch() { clear(); }
    const fs::path& path() const { return path_; }
    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
        return (path_ / name).string();
    }

  private:
    void clear() const {
        const int status = std::system(("rm -rf '" + path_.string() + "'").c_str());
        EXPECT_EQ(status, 0);
    }
    fs::path path_;
};

// `levels` folders below `folder`, each made and entered relative to the one
// before, and a permanence in the last; returns the file's path.
std::string deepFile(const fs::path& folder, int levels) {
    const std::string name = "ordner-0123456789";
    int at = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    std::string path = folder.string();
    for (int i = 0; i < levels; ++i) {
        EXPECT_EQ(::mkdirat(at, name.c_str(), 0755), 0);
        const int next = ::openat(at, name.c_str(), O_RDONLY | O_DIRECTORY);
        ::close(at);
        at = next;
        path += "/" + name;
    }
    const std::string text = "Spielbank Tief\r\nT\r\nD\r\nP\r\n1\r\n2\r\n3\r\n";
    const int file = ::openat(at, "tief.txt", O_WRONLY | O_CREAT, 0644);
    EXPECT_EQ(::write(file, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    ::close(file);
    ::close(at);
    return path + "/tief.txt";
}

// Every "*.txt" below the folder, and every link out of it, is either read
// or named with its reason; nothing is read twice.
TEST(FolderWalk, AccountsForEveryFile) {
    Scratch root("root");
    Scratch outside("outside");
    const fs::path& in = root.path();
    const std::string permanence = "Spielbank X\r\nT\r\nD\r\nP\r\n1\r\n";
    root.write("a.txt", permanence);
    outside.write("x.txt", permanence);
    fs::create_hard_link(in / "a.txt", in / "b-hart.txt");
    fs::create_symlink(in / "a.txt", in / "c-verweis.txt");
    fs::create_symlink(outside.path() / "x.txt", in / "d-draussen.txt");
    fs::create_directory_symlink(outside.path(), in / "aus");
    fs::create_directory_symlink("/", in / "wurzel");
    fs::create_directory_symlink(in, in / "schleife");
    fs::create_directories(in / "zu");
    root.write("zu/z.txt", permanence);
    const std::string deep = deepFile(in, 300);
    ASSERT_GT(deep.size(), std::size_t(PATH_MAX));

    // Read, or left out for a reason that holds this text.
    const std::string same = "dieselbe Datei wie " + (in / "a.txt").string();
    const std::map<std::string, std::string> expected{
        {(in / "a.txt").string(), ""},
        {(in / "b-hart.txt").string(), same},
        {(in / "c-verweis.txt").string(), same},
        {(in / "d-draussen.txt").string(), ""},
        {(in / "aus").string(), "Verweis aus dem Ordner hinaus, nicht gefolgt"},
        {(in / "wurzel").string(), "Verweis aus dem Ordner hinaus, nicht gefolgt"},
        {(in / "zu").string(), "lässt sich nicht öffnen"},
        {deep, ""},
    };
    // As root every folder can be entered, so one refuses through the seam.
    const auto open = [](int parent, const char* name, int flags) {
        if (std::strcmp(name, "zu") == 0) {
            errno = EACCES;
            return -1;
        }
        return sorvik1::systemFolderOpen(parent, name, flags);
    };
    const auto listing = sorvik1::permanenceFilesIn(in.string(), {}, open);
    std::map<std::string, std::string> found;
    for (const auto& file : listing.files) {
        found[file] = "";
    }
    for (const auto& refusal : listing.refused) {
        found[refusal.path] = refusal.reason;
    }
    ASSERT_EQ(found.size(), expected.size());
    for (const auto& [path, reason] : expected) {
        ASSERT_TRUE(found.count(path)) << path.substr(0, 200);
        EXPECT_NE(found[path].find(reason), std::string::npos) << path << ": " << found[path];
        EXPECT_EQ(found[path].empty(), reason.empty()) << path << ": " << found[path];
    }
    // The deep file reads like any other.
    EXPECT_EQ(sorvik1::intakePermanence(deep).permanence.spins.size(), 3u);
}

} // namespace
