#pragma once

#include "fake_trainer_view.h"
#include "scripted_message_box.h"

#include "uebung/practice_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A clock the test moves on by hand.
class SteppingClock final : public sorvik1::Clock {
  public:
    explicit SteppingClock(std::shared_ptr<QDateTime> time) : time_(std::move(time)) {}
    QDateTime now() const override { return *time_; }

  private:
    std::shared_ptr<QDateTime> time_;
};

// Settings of the test's own, empty before the window reads them.
struct IsolatedSettings {
    IsolatedSettings() {
        QCoreApplication::setOrganizationName(QStringLiteral("Sorvik1-Test"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QSettings().clear();
    }
    QTemporaryDir folder;
};

// The practice window beside a trainer with an active figure, its database
// in a temporary folder and its time on a clock the test moves.
class PracticeTest : public testing::Test {
  protected:
    PracticeTest() {
        trainer.clockSeam = std::make_unique<SteppingClock>(time);
        auto box = std::make_unique<ScriptedMessageBox>();
        practiceMessages = box.get();
        window.setMessageBox(std::move(box));
        window.useDatabase(databasePath());
    }

    QString databasePath() const { return folder.filePath(QStringLiteral("uebungen.sqlite")); }

    // Activates a figure as the trainer's grid holds it ("r", "s", ".").
    void activate(const std::string& text) { trainer.activate(text); }

    void loadPermanence(const std::vector<int>& numbers) { trainer.loadPermanence(numbers); }

    void choose(PracticeSettings::Tempo tempo, int spins) {
        window.tempo->setCurrentIndex(static_cast<int>(tempo));
        window.limitKind->setCurrentIndex(0);
        window.limitCount->setValue(spins);
    }

    void wait(int ms) { *time = time->addMSecs(ms); }

    // Presses a key where the focus is in the practice window.
    void press(Qt::Key key) {
        QWidget* target = window.focusWidget();
        QTest::keyClick(target ? target : &window, key);
    }

    QTemporaryDir folder;
    IsolatedSettings settings;
    std::shared_ptr<QDateTime> time =
        std::make_shared<QDateTime>(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC);
    FakeTrainerView trainer;
    PracticeWindow window{trainer};
    ScriptedMessageBox* practiceMessages;
};
