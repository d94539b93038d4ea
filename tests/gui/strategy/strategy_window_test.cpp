#include "evaluation/evaluation_steps.h"

#include "case_name.h"
#include "fake_trainer_view.h"

#include "analyse/command.h"
#include "core/wheel/figure_text.h"
#include "strategie/session_model.h"
#include "strategie/strategy_input.h"
#include "strategie/strategy_window.h"
#include "ui/german_numbers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <nlohmann/json.hpp>

#include <sstream>

namespace {

// ---- Bad input: a German message, and nothing starts ----

struct BadInput {
    const char* name;
    StrategyFields fields;
    const char* mentions;
};

StrategyFields plan(const char* base, const char* capital, const char* minimum = "",
                    const char* maximum = "") {
    StrategyFields f;
    f.plan = sorvik1::StakePlanKind::Martingale;
    f.base = QString::fromUtf8(base);
    f.capital = QString::fromUtf8(capital);
    f.minimum = QString::fromUtf8(minimum);
    f.maximum = QString::fromUtf8(maximum);
    return f;
}

StrategyFields ownSeries(const QString& series) {
    StrategyFields f = plan("1", "100");
    f.plan = sorvik1::StakePlanKind::Reihe;
    f.series = series;
    return f;
}

const BadInput badInputs[] = {
    {"BaseZero", plan("0", "100"), "Grundeinsatz muss eine ganze Zahl von 1 bis 1.000.000.000"},
    {"BaseNotANumber", plan("eins", "100"), "Grundeinsatz muss eine ganze Zahl"},
    {"CapitalAboveTheLargest", plan("1", "1.000.000.001"), "Kapital muss eine ganze Zahl"},
    {"CapitalAFraction", plan("1", "100,5"), "Kapital muss eine ganze Zahl"},
    {"MinimumNegative", plan("1", "100", "-1"), "Minimum muss eine ganze Zahl"},
    {"MaximumBelowMinimum", plan("5", "100", "5", "4"), "Maximum liegt unter dem Minimum"},
    {"BaseBelowMinimum", plan("2", "100", "5"), "Grundeinsatz liegt unter dem Minimum"},
    {"CapitalBelowMinimum", plan("5", "4"), "Kapital liegt unter dem Minimum"},
    {"SeriesEmpty", ownSeries(QString()), "eigene Reihe braucht 1 bis 100"},
    {"SeriesNotNumeric", ownSeries(QStringLiteral("1, 2, x")), "eigene Reihe braucht"},
    {"SeriesTooLong", ownSeries(QStringLiteral("1,").repeated(100) + QStringLiteral("1")),
     "eigene Reihe braucht"},
};

class Refused : public testing::TestWithParam<BadInput> {};

TEST_P(Refused, WithAGermanMessage) {
    const auto read = readStrategyFields(GetParam().fields);
    ASSERT_TRUE(std::holds_alternative<QString>(read));
    EXPECT_TRUE(std::get<QString>(read).contains(QString::fromUtf8(GetParam().mentions)))
        << std::get<QString>(read).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Strategy, Refused, testing::ValuesIn(badInputs), CaseName());

TEST(StrategyFields, ReadGermanThousandsAndLeaveEmptyLimitsOpen) {
    const auto read = readStrategyFields(plan("1", "1.000", "", "500"));
    ASSERT_TRUE(std::holds_alternative<sorvik1::StrategySettings>(read));
    const auto& s = std::get<sorvik1::StrategySettings>(read);
    EXPECT_EQ(s.capital, 1000);
    EXPECT_EQ(s.tableMinimum(), 1);
    EXPECT_EQ(s.maximum, 500);
    EXPECT_FALSE(s.target);
}

// ---- The window, walked to its results ----

class StrategyWindowTest : public testing::Test {
  protected:
    StrategyWindowTest() {
        trainer.activate("rr.s");
        auto box = std::make_unique<ScriptedMessageBox>();
        messages = box.get();
        window.setMessageBox(std::move(box));
        auto files = std::make_unique<ScriptedChooser>();
        chooser = files.get();
        window.setFileChooser(std::move(files));
        // "rr.s", Martingale from 1, capital 100, maximum 500.
        window.plan->setCurrentIndex(1);
        window.base->setText(QStringLiteral("1"));
        window.capital->setText(QStringLiteral("100"));
        window.minimum->clear();
        window.maximum->setText(QStringLiteral("500"));
        window.target->clear();
        window.seed->setText(QStringLiteral("7"));
    }

    bool run() {
        window.start();
        return QTest::qWaitFor([this] { return !window.busy(); }, 60'000);
    }

    QVariant cell(int row, int column) const {
        const SessionModel& model = *window.sessionModel();
        return model.data(model.index(row, column), SessionModel::valueRole);
    }

    OwnSettings settings;
    FakeTrainerView trainer;
    StrategyWindow window{trainer};
    ScriptedMessageBox* messages;
    ScriptedChooser* chooser;
};

nlohmann::json tool(std::vector<std::string_view> arguments) {
    const std::vector<std::string_view> common = {
        "--figur", "rr.s",      "--strategie", "martingale", "--einsatz", "1",        "--kapital",
        "100",     "--maximum", "500",         "--seed",     "7",         "--format", "json"};
    arguments.insert(arguments.begin(), common.begin(), common.end());
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(sorvik1::analyse::runCommand(arguments, out, err), 0) << err.str();
    return nlohmann::json::parse(out.str());
}

QString percent(double chance) {
    return germannumbers::decimal(100 * chance, 4) + QStringLiteral(" %");
}

// Each session's result and chance's view of the plan are the tool's, to
// the last digit, whether chance is exact (sessions in bets) or simulated
// (in spins, and beside files).
TEST_F(StrategyWindowTest, ShowsTheToolsNumbersForTheSameTest) {
    struct Source {
        const char* name;
        std::function<void()> choose;
        std::vector<std::string_view> arguments;
    };
    const std::string example = SORVIK1_EXAMPLES "/wiesbaden-t1-2019-04-24.txt";
    const std::string shared = SORVIK1_SHARED_DATA "/wiesbaden-t5-2019-04-24.txt";
    const Source sources[] = {
        {"in bets",
         [&] {
             window.sessionCount->setValue(30);
             window.lengthCount->setValue(200);
             window.lengthUnit->setCurrentIndex(1);
         },
         {"--sitzungen", "30", "--wetten", "200"}},
        {"in spins",
         [&] {
             window.sessionCount->setValue(30);
             window.lengthCount->setValue(300);
             window.lengthUnit->setCurrentIndex(0);
         },
         {"--sitzungen", "30", "--spins", "300"}},
        {"files",
         [&] {
             chooser->files = {QString::fromStdString(example), QString::fromStdString(shared)};
             window.chooseFiles();
         },
         {example, shared}},
    };
    for (const Source& source : sources) {
        SCOPED_TRACE(source.name);
        source.choose();
        ASSERT_TRUE(run());
        const nlohmann::json expected = tool(source.arguments);
        const auto& sessions = expected["sitzungen"];
        ASSERT_EQ(window.sessionModel()->sessions().size(), sessions.size());
        for (std::size_t i = 0; i < sessions.size(); ++i) {
            const int row = static_cast<int>(i);
            EXPECT_EQ(cell(row, SessionModel::Net).toDouble(),
                      sessions[i]["ergebnis"].get<double>());
            EXPECT_EQ(cell(row, SessionModel::Bets).toLongLong(), sessions[i]["wetten"].get<int>());
            EXPECT_EQ(cell(row, SessionModel::Drawdown).toDouble(),
                      sessions[i]["groesster_rueckgang"].get<double>());
            EXPECT_EQ(cell(row, SessionModel::End).toString().toStdString(),
                      sessions[i]["ende"].get<std::string>());
        }
        const auto& chance = expected["zufall"];
        const QString law = window.lawLabel->text();
        if (chance["methode"] == "exakt") {
            EXPECT_TRUE(law.contains(percent(chance["ruin"].get<double>()) + " (exakt)"))
                << law.toStdString();
        } else {
            EXPECT_TRUE(law.contains(percent(chance["ruin"]["wert"].get<double>()) +
                                     " (95 %-Intervall " +
                                     percent(chance["ruin"]["unten"].get<double>())))
                << law.toStdString();
            EXPECT_TRUE(law.contains(QStringLiteral("Sitzungen, Startwert 7")))
                << law.toStdString();
        }
    }
    EXPECT_TRUE(window.houseShare->text().contains(QStringLiteral("nicht den Anteil der Bank")));
}

// A test the user cannot play says why and starts nothing.
TEST_F(StrategyWindowTest, StartsNothingWithoutAFigureOrWithBadFields) {
    trainer.figure = {};
    window.start();
    EXPECT_FALSE(window.busy());
    trainer.activate("rr.s");
    window.maximum->setText(QStringLiteral("fünfhundert"));
    window.start();
    EXPECT_FALSE(window.busy());
    ASSERT_EQ(messages->shown.size(), 2u);
    EXPECT_TRUE(messages->shown[0].prompt.contains(QStringLiteral("keine Figur aktiv")));
    EXPECT_TRUE(messages->shown[1].prompt.contains(QStringLiteral("Maximum muss")));
    EXPECT_EQ(window.sessionModel()->rowCount(), 0);
}

// Escape stops a long test first; what was played is shown and says so.
TEST_F(StrategyWindowTest, EscapeStopsARunningTestAndKeepsTheWindowOpen) {
    window.sessionCount->setValue(1'000'000);
    window.lengthCount->setValue(10'000);
    window.show();
    window.start();
    ASSERT_TRUE(window.busy());
    QTest::keyClick(&window, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window.busy(); }, 30'000));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.status->text().startsWith(QStringLiteral("Abgebrochen")));
    EXPECT_TRUE(window.lawLabel->text().contains(germannumbers::none));
}

// The journal of the selected session is its bets, and its last capital
// is the session's end capital.
TEST_F(StrategyWindowTest, SelectingASessionShowsItsJournal) {
    window.sessionCount->setValue(5);
    window.lengthCount->setValue(100);
    window.lengthUnit->setCurrentIndex(1);
    ASSERT_TRUE(run());
    window.sessionTable->selectRow(3);
    const auto& journal = *window.journalTable->model();
    ASSERT_EQ(journal.rowCount(), cell(3, SessionModel::Bets).toInt());
    EXPECT_EQ(journal.data(journal.index(journal.rowCount() - 1, 4), SessionModel::valueRole),
              cell(3, SessionModel::Capital));
}

class StrategyOn1280x900 : public StrategyWindowTest {};

// The window fits the screen with its results; STRATEGY_SHOT names a PNG to
// look at it.
TEST_F(StrategyOn1280x900, FitsTheScreenWithItsResults) {
    window.sessionCount->setValue(200);
    window.lengthCount->setValue(1000);
    window.lengthUnit->setCurrentIndex(1);
    window.show();
    ASSERT_TRUE(run());
    EXPECT_TRUE(
        QGuiApplication::primaryScreen()->availableGeometry().contains(window.frameGeometry()));
    if (const QString shot = qEnvironmentVariable("STRATEGY_SHOT"); !shot.isEmpty()) {
        window.grab().save(shot);
    }
}

} // namespace
