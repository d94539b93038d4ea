#include "case_name.h"

#include "ui/file_save.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <limits>
#include <sys/stat.h>

namespace {

// The system's calls, failing on purpose where a case says so.
class FailingSystem : public sorvik1::SaveSystem {
  public:
    std::size_t room = std::numeric_limits<std::size_t>::max(); // bytes until the disk is full
    int createError = 0;
    int flushError = 0;
    off_t missing = 0; // bytes that never reached the disk

    int create(const std::string& path, int& fd) override {
        return createError != 0 ? createError : SaveSystem::create(path, fd);
    }
    int write(int fd, const char* bytes, std::size_t size, std::size_t& written) override {
        if (room == 0) {
            written = 0;
            return ENOSPC;
        }
        const int error = SaveSystem::write(fd, bytes, std::min(size, room), written);
        room -= written;
        return error;
    }
    int flush(int fd) override { return flushError != 0 ? flushError : SaveSystem::flush(fd); }
    int size(int fd, off_t& size) override {
        const int error = SaveSystem::size(fd, size);
        size -= missing;
        return error;
    }
};

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray content(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entries(const QTemporaryDir& folder) {
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

struct SaveFailureCase {
    const char* name;
    std::function<void(FailingSystem&)> fail;
    const char* cause;
};

class SaveFailure : public testing::TestWithParam<SaveFailureCase> {};

// Whatever fails, the old file keeps its content, nothing else is left in
// the folder, and the message names the file, the cause and what was kept.
TEST_P(SaveFailure, KeepsTheOldFileAndNamesTheCause) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Auswertung.csv"));
    write(path, "alt");
    FailingSystem system;
    GetParam().fail(system);

    const QString message = saveBytes(path, QByteArray(100000, 'x'), system);

    EXPECT_EQ(content(path), QByteArray("alt"));
    EXPECT_EQ(entries(folder), QStringList{QStringLiteral("Auswertung.csv")});
    for (const QString& part : {QDir::toNativeSeparators(path), QString::fromUtf8(GetParam().cause),
                                QStringLiteral("unverändert")}) {
        EXPECT_TRUE(message.contains(part)) << message.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveFailure,
    testing::Values(
        SaveFailureCase{"DiskFullAfterSomeBytes", [](FailingSystem& s) { s.room = 4096; }, "voll"},
        SaveFailureCase{"DiskFullAtOnce", [](FailingSystem& s) { s.room = 0; }, "voll"},
        SaveFailureCase{"FlushFails", [](FailingSystem& s) { s.flushError = EIO; },
                        "Schreibfehler"},
        SaveFailureCase{"FlushFindsTheDiskFull", [](FailingSystem& s) { s.flushError = ENOSPC; },
                        "voll"},
        SaveFailureCase{"NoPermission", [](FailingSystem& s) { s.createError = EACCES; },
                        "Berechtigung"},
        SaveFailureCase{"ReadOnly", [](FailingSystem& s) { s.createError = EROFS; },
                        "schreibgeschützt"},
        SaveFailureCase{"FewerBytesOnDisk", [](FailingSystem& s) { s.missing = 1; }, "weniger an"}),
    CaseName());

// A save replaces the content whole and keeps who may read the file.
TEST(SafeSave, ReplacesTheContentAndKeepsThePermissions) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bild.png"));
    write(path, "alt und lang");
    ::chmod(QFile::encodeName(path).constData(), 0640);

    EXPECT_EQ(saveBytes(path, QByteArray("neu")), QString());

    EXPECT_EQ(content(path), QByteArray("neu"));
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0640U);
    EXPECT_EQ(entries(folder), QStringList{QStringLiteral("bild.png")});
}

} // namespace
