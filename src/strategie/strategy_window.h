#pragma once

// "Strategietest": what betting on the trainer's figure with a stake plan
// would have done to a capital, beside what chance alone predicts for the
// same plan. The user picks the plan and its table (base stake, capital,
// minimum, maximum, target, side, what a zero does to a bet) and the source:
// random sessions, the permanence loaded in the trainer, or permanence
// files. The test runs on a worker with progress and "Abbrechen"; the
// result is a table of sessions with their total, the journal and capital
// curve of the selected session, the spread of the final results and the
// chance of ruin, each number saying how it was found. The figure and the
// spins are copied when a test starts.

#include "strategie/strategy_job.h"
#include "strategie/strategy_trial.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <vector>

class FileChooser;
class JournalModel;
class MessageBox;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;
class QTabWidget;
class SessionModel;
class SessionSortProxy;
class StrategyCharts;
class TrainerView;
struct StrategyFields;

// What the window reads of the trainer when it starts a test.
struct StrategyTrainerState {
    sorvik1::Figure figure;                    // empty while none is active
    std::vector<sorvik1::Farbcode> permanence; // the loaded permanence's spins, if any
    std::optional<std::uint64_t> seed;         // the trainer's --seed
};

class StrategyWindow : public QDialog {
    Q_OBJECT

  public:
    explicit StrategyWindow(TrainerView& trainer);
    ~StrategyWindow() override;

    // Seams for the modal dialogs; tests answer them.
    void setFileChooser(std::unique_ptr<FileChooser> chooser);
    void setMessageBox(std::unique_ptr<MessageBox> box);

    void showAndRaise();
    bool busy() const { return job_.running(); }

    // What the buttons do.
    void start();
    // Ends a running test early; what was played is shown.
    void stop();
    void chooseFiles();
    void chooseFolder();
    void saveSessions();
    void saveJournal();
    void copySessions();

    // ---- Controls ----
    QLabel* figureLabel = nullptr;
    QComboBox* plan = nullptr;
    QSpinBox* paroliStages = nullptr;
    QLineEdit* series = nullptr;
    QLineEdit* base = nullptr;
    QLineEdit* capital = nullptr;
    QLineEdit* minimum = nullptr;
    QLineEdit* maximum = nullptr;
    QLineEdit* target = nullptr;
    QRadioButton* withFigure = nullptr;
    QRadioButton* againstFigure = nullptr;
    QRadioButton* zeroLoses = nullptr;
    QRadioButton* zeroHalved = nullptr;
    QComboBox* chance = nullptr;
    QRadioButton* randomSource = nullptr;
    QRadioButton* permanenceSource = nullptr;
    QRadioButton* filesSource = nullptr;
    QSpinBox* sessionCount = nullptr;
    QSpinBox* lengthCount = nullptr;
    QComboBox* lengthUnit = nullptr;
    QLineEdit* seed = nullptr;
    QPushButton* filesButton = nullptr;
    QPushButton* folderButton = nullptr;
    QLabel* chosenLabel = nullptr;
    QComboBox* filesAs = nullptr;
    QPushButton* startButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QProgressBar* progress = nullptr;
    QLabel* status = nullptr;
    QTabWidget* tabs = nullptr;
    QTableView* sessionTable = nullptr;
    QTableView* journalTable = nullptr;
    StrategyCharts* charts = nullptr;
    QLabel* lawLabel = nullptr;
    QLabel* houseShare = nullptr;
    QPushButton* saveSessionsButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* saveJournalButton = nullptr;

    SessionModel* sessionModel() const { return sessions_; }
    JournalModel* journalModel() const { return journal_; }

  protected:
    // Escape stops a running test first and closes only when nothing runs.
    void reject() override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QWidget* buildPlan();
    QWidget* buildSource();
    QWidget* buildProgress();
    QWidget* buildResults();
    QWidget* buildButtons();
    void connectControls();
    void loadSettings();
    void saveSettings() const;

    StrategyFields fields() const;
    // The request the controls describe, or the German message why none.
    std::optional<sorvik1::StrategyTrialRequest> request();
    sorvik1::Chance chosenChance() const;
    void showTrainerState();
    void showPlanControls();
    void showSourceControls();
    void showProgress(qint64 done, qint64 total);
    void showResult(std::shared_ptr<const sorvik1::StrategyTrialResult> result);
    void showSession(int row);
    void setBusy(bool busy);
    void refuse(const QString& message);
    void saveCsv(const QString& suggested, const QString& csv);
    QString sessionName(std::size_t index) const;

    TrainerView& trainer_;
    std::unique_ptr<FileChooser> chooser_;
    std::unique_ptr<MessageBox> messages_;
    StrategyJob job_;
    QStringList chosenFiles_;
    QStringList chosenFolders_;
    // What the result on show was asked, to replay a random session's
    // journal and to name it.
    std::optional<sorvik1::StrategyTrialRequest> shown_;
    std::shared_ptr<const sorvik1::StrategyTrialResult> result_;
    SessionModel* sessions_ = nullptr;
    SessionSortProxy* proxy_ = nullptr;
    JournalModel* journal_ = nullptr;
};

// Opens the window beside the trainer, made on first use.
StrategyWindow* openStrategy(TrainerView& trainer);
