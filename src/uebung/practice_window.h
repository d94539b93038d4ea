#pragma once

#include "uebung/practice_session.h"
#include "uebung/practice_store.h"

#include <QDialog>

#include <memory>
#include <vector>

class TrainerView;
class HistoryView;
class MessageBox;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class SpinStrip;

// The window "Übung": the player watches spins and calls the deciding spin
// of the active figure; the window judges each call, sums up the practice
// and keeps the history. It reads the trainer's figure and permanence when
// a practice starts and never changes the trainer.
class PracticeWindow : public QDialog {
    Q_OBJECT

  public:
    explicit PracticeWindow(TrainerView& trainer);
    ~PracticeWindow() override;

    // Seams for tests: the message boxes and the database file.
    void setMessageBox(std::unique_ptr<MessageBox> box);
    void useDatabase(const QString& path);

    void showBeside();
    // Starts a practice with the settings chosen; a note and nothing else
    // when no figure is active.
    void startPractice();
    void endPractice();

    PracticeSession* session() const { return session_; }
    const PracticeStore* store() const { return store_.get(); }

    // ---- Controls ----
    QTabWidget* tabs;
    QLabel* figureLabel;
    QComboBox* source;
    QComboBox* tempo;
    QDoubleSpinBox* secondsPerSpin;
    QSpinBox* spinsPerSecond;
    QSpinBox* limitCount;
    QComboBox* limitKind;
    QCheckBox* halfOnZero;
    QPushButton* startButton;
    QPushButton* pauseButton;
    QPushButton* endButton;
    SpinStrip* strip;
    QLabel* judgement;
    QLabel* scoreLine;
    QLabel* keyHelp;
    QLabel* summary;
    QLabel* storeNote;
    QPushButton* saveAgainButton;
    HistoryView* history;

    // Practices finished but not yet in the history.
    std::size_t unsavedCount() const { return unsaved_.size(); }

  public slots:
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QGroupBox* buildSettings();
    QWidget* buildPractice();
    void showTrainerState();
    void showTempoChoice();
    void handlePracticeKey(int key);
    void spinShown(int number, const std::optional<sorvik1::Settled>& settled);
    void called(sorvik1::Verdict verdict);
    void finished(PracticeEnd why);
    void growToShowWrappedText();
    void openStore();
    void retryLockedStore(int busyMs);
    // Keeps a finished practice until the history has it.
    void keep(PracticeRecord record);
    // Stores what is kept; true when nothing is left unsaved.
    bool saveUnsaved();
    void showUnsaved();
    void saveBeforeEnd();
    void loadSettings();
    void saveSettings() const;
    int message(const QString& prompt, int style);

    // The trainer's end may wait this long for another program.
    static constexpr int endBusyMs = 1000;

    TrainerView& trainer_;
    std::unique_ptr<MessageBox> messageBox_;
    std::unique_ptr<PracticeStore> store_;
    QString databasePath_;
    QGroupBox* settingsGroup_ = nullptr;
    PracticeSession* session_ = nullptr;
    std::uint64_t practices_ = 0;
    std::vector<PracticeRecord> unsaved_; // finished, not yet in the history
};

// Opens the practice window beside the trainer, made on first use.
void openPractice(TrainerView& trainer);
