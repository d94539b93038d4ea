#include "case_name.h"
#include "trainer/import_fixture.h"

#include "core/intake/permanence_intake.h"
#include "ui/caption_label.h"
#include "ui/text_box.h"

#include <QDir>
#include <QFileInfo>

#include <ostream>
#include <vector>

namespace {

const QByteArray header = "Spielbank Hamburg\r\nTisch 3\r\n01.04.2019\r\nPermanenz\r\n";
const QString headerCaption = QStringLiteral("Spielbank Hamburg\rTisch 3\r01.04.2019");

// What a load may change, to tell that a refused file changed nothing.
struct LoadState {
    double anzahl;
    double importanzahl;
    std::int16_t importiert;
    std::vector<double> permanenz;
    QString count;
    QString text;
    bool frameShown;
    bool importEnabled;
    bool abbrechenEnabled;
    bool operator==(const LoadState&) const = default;
};

void PrintTo(const LoadState& s, std::ostream* os) {
    *os << "anzahl " << s.anzahl << ", importanzahl " << s.importanzahl << ", importiert "
        << s.importiert << ", " << s.permanenz.size() << " entries, count \""
        << s.count.toStdString() << "\", frame " << s.frameShown << ", import " << s.importEnabled
        << ", abbrechen " << s.abbrechenEnabled;
}

class Loader : public ImportTest {
  protected:
    // A window in the middle of choosing, with a count typed before.
    Loader() {
        form.anzahl = 5;
        form.textanzahl->setText(QStringLiteral("5"));
        form.importanzahl = 2;
        form.permanenz = {0, 1, 2};
    }

    LoadState state() const {
        return {form.anzahl,    form.importanzahl,          form.importiert,
                form.permanenz, form.textanzahl->text(),    form.text->caption(),
                frameShown(),   form.okextern->isEnabled(), form.okabbrechen->isEnabled()};
    }

    void load(const QByteArray& bytes) {
        write(QStringLiteral("p.txt"), bytes);
        choose(dir.path(), QStringLiteral("p.txt"));
        form.okexternok->click();
    }

    // The file was refused: one message naming it and the reason, and no change.
    void expectRefused(const std::function<void()>& press, const QString& file,
                       const QString& reason) {
        const LoadState before = state();
        press();
        EXPECT_EQ(state(), before);
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_EQ(messages->shown[0].style, msgstyle::critical);
        EXPECT_EQ(messages->shown[0].title, QStringLiteral(" Fehler"));
        EXPECT_TRUE(messages->shown[0].prompt.contains(QStringLiteral("„") + file + "“"))
            << messages->shown[0].prompt.toStdString();
        EXPECT_TRUE(messages->shown[0].prompt.contains(reason))
            << messages->shown[0].prompt.toStdString();
    }

    void refuse(const QByteArray& bytes, const QString& reason) {
        const QString path = write(QStringLiteral("p.txt"), bytes);
        choose(dir.path(), QStringLiteral("p.txt"));
        expectRefused([this] { form.okexternok->click(); }, path, reason);
    }
};

struct Loaded {
    const char* name;
    QByteArray bytes;
    std::vector<double> spins;
};

void PrintTo(const Loaded& l, std::ostream* os) {
    *os << l.name;
}

class LoadedFile : public Loader, public testing::WithParamInterface<Loaded> {};

TEST_P(LoadedFile, BecomesTheSpinSourceAndClosesTheFrame) {
    const Loaded& c = GetParam();
    load(c.bytes);

    const double n = static_cast<double>(c.spins.size());
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(form.importanzahl, n);
    EXPECT_EQ(form.anzahl, n);
    EXPECT_EQ(form.importiert, 1);
    std::vector<double> expected(c.spins.size() + 21, 0.0);
    std::copy(c.spins.begin(), c.spins.end(), expected.begin() + 1);
    EXPECT_EQ(form.permanenz, expected);
    EXPECT_EQ(form.text->caption(), headerCaption);
    EXPECT_FALSE(frameShown());
    EXPECT_FALSE(form.okextern->isEnabled());
    EXPECT_TRUE(form.okabbrechen->isEnabled());
    // The count box takes the count, and a count of 0 is no run to start.
    EXPECT_EQ(form.textanzahl->text(), c.spins.empty() ? QString() : QString::number(n));
    EXPECT_EQ(form.okstart->isEnabled(), !c.spins.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadedFile,
    testing::Values(
        Loaded{"EndMark", header + "12\r\n0\r\n------\r\n36\r\n======\r\n7\r\n", {12, 0, 36}},
        Loaded{"NoEndMark", header + "12\r\n0\r\n------\r\n36\r\n7\r\n", {12, 0, 36, 7}},
        Loaded{"CommasSplitALine", header + "3,17\r\n", {3, 17}},
        Loaded{"TwoCommasGiveZero", header + "3,,17\r\n", {3, 0, 17}},
        Loaded{"LetterEndsTheNumber", header + "12 a\r\n", {12}},
        Loaded{"BlanksInsideAreIgnored", header + "1 7\r\n", {17}},
        Loaded{"MinusIsASeparator", header + "-5\r\n4\r\n", {4}},
        Loaded{"FractionKept", header + "36.4\r\n", {36.4}},
        Loaded{"NoLastLineEnd", header + "8", {8}},
        Loaded{"BlankLinesLoneEndsAndTabs", header + "\r\n5\r6\n\r\n\t7\r\n", {5, 6, 7}},
        Loaded{"HeaderOnly", header, {}}),
    CaseName());

TEST_F(Loader, HeaderInTheOldCodePageIsShownReadably) {
    load("Spielbank M\xfcnchen\r\nT\xe4gl.\r\n\x80\r\nx\r\n1\r\n");
    EXPECT_EQ(form.text->caption(), QStringLiteral("Spielbank München\rTägl.\r€"));
}

struct PassedOver {
    const char* name;
    QByteArray bytes;
};

void PrintTo(const PassedOver& p, std::ostream* os) {
    *os << p.name;
}

class PassedOverFile : public Loader, public testing::WithParamInterface<PassedOver> {};

TEST_P(PassedOverFile, LeavesTheFrameOpenWithoutAWord) {
    write(QStringLiteral("p.txt"), GetParam().bytes);
    choose(dir.path(), QStringLiteral("p.txt"));
    const LoadState before = state();

    form.okexternok->click();

    EXPECT_EQ(state(), before);
    EXPECT_TRUE(frameShown());
    EXPECT_TRUE(messages->shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, PassedOverFile,
    testing::Values(PassedOver{"Empty", ""},
                    PassedOver{"LowerCase", "spielbank Hamburg\r\nx\r\nx\r\nx\r\n1\r\n"},
                    PassedOver{"EightLetters", "Spielban\r\nx\r\nx\r\nx\r\n1\r\n"}),
    CaseName());

struct Refused {
    const char* name;
    QByteArray bytes;
    QString reason;
};

void PrintTo(const Refused& r, std::ostream* os) {
    *os << r.name;
}

class RefusedFile : public Loader, public testing::WithParamInterface<Refused> {};

TEST_P(RefusedFile, ChangesNothingAndSaysWhy) {
    refuse(GetParam().bytes, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFile,
    testing::Values(Refused{"OneLineOnly", "Spielbank Hamburg\r\n", QStringLiteral("Kopfzeilen")},
                    Refused{"ThreeHeaderLines", "Spielbank\r\nx\r\nx\r\n",
                            QStringLiteral("Kopfzeilen")},
                    Refused{"NumberAboveRange", header + "5\r\n37\r\n",
                            QStringLiteral("In Zeile 6 steht die Zahl 37;")},
                    Refused{"FractionRoundsOutOfRange", header + "36.6\r\n",
                            QStringLiteral("In Zeile 5 steht die Zahl 36.6;")},
                    Refused{"NumberBeyondTheNumberType", header + "1\r\n1e999\r\n",
                            QStringLiteral("zu große Zahl in Zeile 6.")}),
    CaseName());

TEST_F(Loader, TooManySpinsAreRefused) {
    refuse(header + QByteArray("0\n").repeated(10'000'001), QStringLiteral("10.000.000 Würfe"));
}

TEST_F(Loader, FileFarLargerThanAnyRunIsRefusedUnread) {
    const QString path = write(QStringLiteral("p.txt"), header);
    QFile sparse(path);
    ASSERT_TRUE(sparse.resize(qint64(sorvik1::maxPermanenceFileBytes) + 1));
    choose(dir.path(), QStringLiteral("p.txt"));
    expectRefused([this] { form.okexternok->click(); }, path, QStringLiteral("größer als 1 GB"));
}

TEST_F(Loader, FileGoneSinceItWasChosenIsRefused) {
    const QString path = write(QStringLiteral("p.txt"), header + "1\r\n");
    choose(dir.path(), QStringLiteral("p.txt"));
    ASSERT_TRUE(QFile::remove(path));
    expectRefused([this] { form.okexternok->click(); }, path, QStringLiteral("nicht vorhanden"));
}

TEST_F(Loader, FileWithoutReadPermissionIsRefused) {
    const QString path = write(QStringLiteral("p.txt"), header + "1\r\n");
    choose(dir.path(), QStringLiteral("p.txt"));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    if (QFileInfo(path).isReadable()) {
        GTEST_SKIP() << "this user reads every file";
    }
    expectRefused([this] { form.okexternok->click(); }, path, QStringLiteral("Berechtigung"));
}

// A link to a device behind a harmless name is not offered; one that replaced
// the chosen file before OK is refused and the window loads the next file.
TEST_F(Loader, LinkToADeviceIsNeitherOfferedNorLoaded) {
    write(QStringLiteral("p.txt"), header + "4\r\n");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero.txt"))));
    choose(dir.path(), QStringLiteral("p.txt"));
    EXPECT_TRUE(form.File1->findItems(QStringLiteral("zero.txt"), Qt::MatchExactly).isEmpty());

    const QString path = dir.filePath(QStringLiteral("p.txt"));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
    expectRefused([this] { form.okexternok->click(); }, path, QStringLiteral("Gerät, keine Datei"));

    ASSERT_TRUE(QFile::remove(path));
    messages->shown.clear();
    load(header + "9\r\n");
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(form.importiert, 1);
}

TEST_F(Loader, RootDirectoryIsJoinedWithoutASecondSlash) {
    const QString name = QStringLiteral("sorvik1-root-join-test.txt");
    ASSERT_FALSE(QFileInfo::exists(QStringLiteral("/") + name));
    write(name, header);
    form.okextern_Click();
    ASSERT_TRUE(form.Dir1->setPath(QStringLiteral("/")));
    form.File1->setPath(dir.path());
    clickFile(name);
    expectRefused([this] { form.okexternok->click(); }, QStringLiteral("/") + name,
                  QStringLiteral("nicht vorhanden"));
}

TEST_F(Loader, DoubleClickOnAFileLoadsIt) {
    write(QStringLiteral("p.txt"), header + "9\r\n");
    choose(dir.path(), QStringLiteral("p.txt"));
    const QList<QListWidgetItem*> items =
        form.File1->findItems(QStringLiteral("p.txt"), Qt::MatchExactly);

    QTest::mouseDClick(form.File1->viewport(), Qt::LeftButton, {},
                       form.File1->visualItemRect(items.front()).center());

    EXPECT_EQ(form.importiert, 1);
    EXPECT_EQ(form.anzahl, 1);
}

} // namespace
