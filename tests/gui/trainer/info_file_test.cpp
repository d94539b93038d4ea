// Where the trainer finds its info text: beside the program in a build
// folder, in the shared data folder of an installation.
#include "output/info_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct InfoPlace {
    const char* name;
    bool beside;       // a file beside the program
    bool besideIsDir;  // a folder of that name beside the program
    bool installed;    // a file in share/sorvik1 of the same prefix
    const char* found; // relative to the prefix, empty for none
};

const InfoPlace places[] = {
    {"BuildFolder", true, false, false, "bin/info_Sorvik1.txt"},
    {"Installed", false, false, true, "share/sorvik1/info_Sorvik1.txt"},
    {"BesideWins", true, false, true, "bin/info_Sorvik1.txt"},
    {"FolderOfThatNameIsSkipped", false, true, true, "share/sorvik1/info_Sorvik1.txt"},
    {"Nowhere", false, false, false, ""},
};

class InfoFile : public testing::TestWithParam<InfoPlace> {};

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST_P(InfoFile, IsFoundWhereTheProgramRuns) {
    const InfoPlace& p = GetParam();
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(root.mkpath(QStringLiteral("share/sorvik1")));
    if (p.beside) {
        touch(root.filePath(QStringLiteral("bin/info_Sorvik1.txt")));
    }
    if (p.besideIsDir) {
        ASSERT_TRUE(root.mkpath(QStringLiteral("bin/info_Sorvik1.txt")));
    }
    if (p.installed) {
        touch(root.filePath(QStringLiteral("share/sorvik1/info_Sorvik1.txt")));
    }
    const QString expected = *p.found ? root.filePath(QString::fromLatin1(p.found)) : QString();
    EXPECT_EQ(infoFilePath(root.filePath(QStringLiteral("bin"))), expected);
}

INSTANTIATE_TEST_SUITE_P(Places, InfoFile, testing::ValuesIn(places),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
