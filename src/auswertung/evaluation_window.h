#pragma once

// "Permanenzen auswerten": the trainer's active figure over many permanence
// files at once. The user picks files or a folder and the zero rule; the
// files are evaluated on all cores while a progress bar counts files and
// spins and "Abbrechen" stops the work. The result is a sortable table,
// one row per file and a last row for all files together, two charts, the
// files that could not be evaluated with their reasons, and exports for
// spreadsheets and the clipboard. The figure is copied when an evaluation
// starts, so later changes in the trainer leave the result alone.

#include "auswertung/evaluation_job.h"
#include "core/wheel/figure.h"

#include <QDialog>

#include <memory>

class EvaluationCharts;
class EvaluationModel;
class FileChooser;
class TrainerView;
class MessageBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStringListModel;
class QTabWidget;
class QTableView;
class SearchTab;
class TotalLastProxy;

class EvaluationWindow : public QDialog {
    Q_OBJECT

  public:
    explicit EvaluationWindow(TrainerView& trainer);
    ~EvaluationWindow() override;

    // Seams for the modal dialogs; tests answer them.
    void setFileChooser(std::unique_ptr<FileChooser> chooser);
    void setMessageBox(std::unique_ptr<MessageBox> box);

    // Shows the window, or brings it to the front when it is open already.
    void showAndRaise();
    bool busy() const { return job_.running(); }

    // What the buttons do.
    void chooseFiles();
    void chooseFolder();
    void cancel();
    void saveCsv();
    void copyRows();

  protected:
    // Escape stops a running evaluation first and closes the window only
    // when nothing runs.
    void reject() override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QWidget* buildChoice();
    QWidget* buildProgress();
    QTabWidget* buildResults();
    QWidget* buildButtons();
    void restoreSettings();

    // Copies the figure; false with a hint when there is none.
    bool canStart();
    // Hands the choice to the search, and evaluates it when there is a
    // figure; without one the search alone takes it.
    void chosen(const QStringList& files, const QStringList& folders);
    void start(const QStringList& files, const QStringList& folders);
    void showPendingFigure();
    void showProgress();
    void showFinishedFiles();
    void showResult();
    void showCharts();
    void setBusy(bool busy);
    QString lastFolder() const;
    QString choiceFolder() const;
    void rememberFolder(const QString& folder);
    QList<int> rowsInViewOrder(bool selectedOnly) const;
    // Writes CSV text with the byte order mark where the user chooses.
    void saveSpreadsheet(const QString& suggestedName, const QString& csv);
    void showRefusals(const QStringList& lines);

    TrainerView& trainer_;
    sorvik1::Figure figure_;
    bool evaluated_ = false;
    bool chartsStale_ = false;
    EvaluationJob job_;
    std::unique_ptr<FileChooser> chooser_;
    std::unique_ptr<MessageBox> messages_;

    sorvik1::Chance chosenChance() const;

    QLabel* figureLabel_ = nullptr;
    QRadioButton* zeroBreaks_ = nullptr;
    QRadioButton* zeroSkipped_ = nullptr;
    QComboBox* chance_ = nullptr;
    QPushButton* filesButton_ = nullptr;
    QPushButton* folderButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableView* table_ = nullptr;
    EvaluationModel* model_ = nullptr;
    TotalLastProxy* proxy_ = nullptr;
    EvaluationCharts* charts_ = nullptr;
    SearchTab* search_ = nullptr;
    QStringListModel* refused_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
};
