#include "core/intake/permanence_intake.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using sorvik1::FileKind;
using sorvik1::IntakeRefusal;

const std::string content = "Spielbank Hamburg\r\nTisch 1\r\n01.04.2019\r\nPermanenz\r\n7\r\n";

class Intake : public testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("sorvik1-intake-" + std::to_string(::getpid()) + "-" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::ofstream(dir / "file.txt", std::ios::binary) << content;
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
};

// Binds a listening-free socket at `path`; false when sockets are not allowed here.
bool makeSocket(const fs::path& path) {
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = path.string();
    if (s < 0 || name.size() >= sizeof(address.sun_path)) {
        return false;
    }
    name.copy(address.sun_path, name.size());
    const bool bound = ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(s);
    return bound;
}

struct PathCase {
    const char* name;
    // Makes what the path names inside `dir` and returns the path.
    std::string (*make)(const fs::path& dir);
    IntakeRefusal refusal;
    int error;
    FileKind kind;
    const char* text; // part of the German reason
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.name;
}

class IntakeOfPath : public Intake, public testing::WithParamInterface<PathCase> {};

// Nothing here may block or read a device: a hang is a failure too.
TEST_P(IntakeOfPath, ReadsRegularFilesAndRefusesTheRestWithAGermanReason) {
    const PathCase& c = GetParam();
    const std::string path = c.make(dir);
    if (path.empty()) {
        GTEST_SKIP() << "cannot be made here";
    }
    const sorvik1::FileBytes read = sorvik1::readPermanenceBytes(path);
    EXPECT_EQ(read.failure.refusal, c.refusal);
    EXPECT_EQ(read.failure.error, c.error);
    EXPECT_EQ(read.failure.kind, c.kind);
    EXPECT_EQ(read.bytes, c.refusal == IntakeRefusal::None ? content : std::string());
    const std::string text = sorvik1::intakeRefusalText(read.failure);
    EXPECT_NE(text.find(c.text), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, IntakeOfPath,
    testing::Values(
        PathCase{"RegularFile", [](const fs::path& d) { return (d / "file.txt").string(); },
                 IntakeRefusal::None, 0, FileKind::Regular, ""},
        PathCase{"LinkToRegularFile",
                 [](const fs::path& d) {
                     fs::create_symlink(d / "file.txt", d / "link.txt");
                     return (d / "link.txt").string();
                 },
                 IntakeRefusal::None, 0, FileKind::Regular, ""},
        PathCase{"LinkToDevZero",
                 [](const fs::path& d) {
                     fs::create_symlink("/dev/zero", d / "zero.txt");
                     return (d / "zero.txt").string();
                 },
                 IntakeRefusal::NotRegularFile, 0, FileKind::CharacterDevice, "Gerät"},
        PathCase{"FifoWithoutWriter",
                 [](const fs::path& d) {
                     return ::mkfifo((d / "fifo").c_str(), 0600) == 0 ? (d / "fifo").string()
                                                                      : std::string();
                 },
                 IntakeRefusal::NotRegularFile, 0, FileKind::Fifo, "FIFO"},
        PathCase{"Socket",
                 [](const fs::path& d) {
                     return makeSocket(d / "sock") ? (d / "sock").string() : std::string();
                 },
                 IntakeRefusal::NotRegularFile, 0, FileKind::Socket, "Socket"},
        PathCase{"Directory", [](const fs::path& d) { return d.string(); },
                 IntakeRefusal::NotRegularFile, 0, FileKind::Directory, "Verzeichnis"},
        PathCase{"LinkLoop",
                 [](const fs::path& d) {
                     fs::create_symlink(d / "b", d / "a");
                     fs::create_symlink(d / "a", d / "b");
                     return (d / "a").string();
                 },
                 IntakeRefusal::OpenFailed, ELOOP, FileKind::Regular, "im Kreis"},
        PathCase{"Missing", [](const fs::path& d) { return (d / "gone.txt").string(); },
                 IntakeRefusal::OpenFailed, ENOENT, FileKind::Regular, "nicht vorhanden"},
        PathCase{"NameTooLong",
                 [](const fs::path& d) { return (d / std::string(300, 'x')).string(); },
                 IntakeRefusal::OpenFailed, ENAMETOOLONG, FileKind::Regular, "zu lang"}),
    [](const testing::TestParamInfo<PathCase>& p) { return std::string(p.param.name); });

TEST_F(Intake, FileFarLargerThanTheBoundIsRefusedUnread) {
    fs::resize_file(dir / "file.txt", sorvik1::maxPermanenceFileBytes + 1);
    bool read = false;
    const auto failure =
        sorvik1::readPermanenceBytes((dir / "file.txt").string(), [&](int, char*, std::size_t) {
            read = true;
            return 0L;
        }).failure;
    EXPECT_EQ(failure.refusal, IntakeRefusal::TooLarge);
    EXPECT_FALSE(read);
}

struct ChangeCase {
    const char* name;
    // Changes the file after the first step has read `count` bytes.
    void (*change)(const fs::path& file, long count);
    std::uint64_t maxBytes;
    IntakeRefusal refusal;
};

void PrintTo(const ChangeCase& c, std::ostream* os) {
    *os << c.name;
}

class ChangeWhileRead : public Intake, public testing::WithParamInterface<ChangeCase> {};

// Whatever happens to the file between the first read step and the end, the
// read is refused whole: no bytes come back.
TEST_P(ChangeWhileRead, IsRefusedWithNothingRead) {
    const ChangeCase& c = GetParam();
    const fs::path file = dir / "file.txt";
    int steps = 0;
    const auto step = [&](int descriptor, char* buffer, std::size_t size) {
        // One byte a step, so that the change falls in the middle.
        const long count =
            sorvik1::systemReadStep(descriptor, buffer, std::min<std::size_t>(size, 1));
        if (++steps == 1) {
            c.change(file, count);
        }
        return count;
    };
    const sorvik1::FileBytes read = sorvik1::readPermanenceBytes(file.string(), step, c.maxBytes);
    EXPECT_EQ(read.failure.refusal, c.refusal);
    EXPECT_TRUE(read.bytes.empty());
    EXPECT_EQ(sorvik1::intakeRefusalText(read.failure).empty(), c.refusal == IntakeRefusal::None);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangeWhileRead,
    testing::Values(ChangeCase{"Shrinks", [](const fs::path& f, long) { fs::resize_file(f, 10); },
                               sorvik1::maxPermanenceFileBytes, IntakeRefusal::ChangedWhileRead},
                    ChangeCase{"GrowsWithinTheBound",
                               [](const fs::path& f, long) {
                                   std::ofstream(f, std::ios::binary | std::ios::app) << "8\r\n";
                               },
                               sorvik1::maxPermanenceFileBytes, IntakeRefusal::ChangedWhileRead},
                    ChangeCase{"GrowsPastTheBound",
                               [](const fs::path& f, long) {
                                   std::ofstream(f, std::ios::binary | std::ios::app)
                                       << std::string(100, '1');
                               },
                               content.size() + 10, IntakeRefusal::TooLarge},
                    ChangeCase{"RewrittenAtTheSameSize",
                               [](const fs::path& f, long) {
                                   const timespec later[2] = {{0, UTIME_OMIT}, {1, 0}};
                                   ::utimensat(AT_FDCWD, f.c_str(), later, 0);
                               },
                               sorvik1::maxPermanenceFileBytes, IntakeRefusal::ChangedWhileRead}),
    [](const testing::TestParamInfo<ChangeCase>& p) { return std::string(p.param.name); });

TEST(IntakeRefusalText, AnUnexpectedErrorIsNamedByItsNumber) {
    EXPECT_EQ(sorvik1::intakeRefusalText({IntakeRefusal::ReadFailed, 9999, FileKind::Regular}),
              "Die Datei lässt sich nicht lesen (Fehlernummer 9999).");
}

TEST_F(Intake, ParsesWhatItRead) {
    const sorvik1::PermanenceIntake intake = sorvik1::intakePermanence((dir / "file.txt").string());
    EXPECT_EQ(intake.failure.refusal, IntakeRefusal::None);
    EXPECT_EQ(intake.permanence.spins, std::vector<double>{7});
}

} // namespace
