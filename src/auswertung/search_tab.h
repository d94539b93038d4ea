#pragma once

// "Figurensuche": which figures stand out in the chosen spins. Every figure
// up to a chosen span is counted and judged against chance, with Holm's
// correction for the many figures tested at once; the work runs in the
// background with progress and cancel. The spins come from the files the
// host window has chosen, or are copied from the trainer (its loaded
// permanence, or the spins shown so far of its random run) when the search
// starts. "Figur übernehmen" draws the selected figure into the trainer's
// figure grid, the one way this tab changes the trainer.

#include "auswertung/search_job.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class TrainerView;
class MessageBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;
class SearchModel;

class SearchTab : public QWidget {
    Q_OBJECT

  public:
    explicit SearchTab(TrainerView& trainer, QWidget* parent = nullptr);
    ~SearchTab() override;

    // The files and folders the host window has chosen; searched when that
    // source is picked.
    void setSources(const QStringList& files, const QStringList& folders = {});
    // Seam for the modal message; tests answer it.
    void setMessageBox(std::unique_ptr<MessageBox> box);

    // What the buttons do.
    void search();
    void cancel();
    void takeFigure();
    // Hands the figures shown, in the table's order, to the host window to
    // save as CSV.
    void saveCsv();

    bool busy() const { return job_.running(); }

  signals:
    // The figures shown as CSV for German spreadsheets, to be saved.
    void csvWanted(const QString& csv);
    // After a search: every file or folder it left out, with the reason.
    void refusalsFound(const QStringList& lines);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    enum class Source { Files, Permanence, RandomRun };

    QWidget* buildSettings();
    void refreshSources();
    SearchJob::Request request() const;
    void showProgress();
    void showResult();
    void setBusy(bool busy);
    void updateTakeButton();

    TrainerView& trainer_;
    QStringList files_;
    QStringList folders_;
    SearchJob job_;
    std::unique_ptr<MessageBox> messages_;

    QComboBox* source_ = nullptr;
    QSpinBox* span_ = nullptr;
    QCheckBox* gaps_ = nullptr;
    QComboBox* zero_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableView* table_ = nullptr;
    SearchModel* model_ = nullptr;
    QSortFilterProxyModel* proxy_ = nullptr;
    QPushButton* takeButton_ = nullptr;
    QPushButton* csvButton_ = nullptr;
    QLabel* taken_ = nullptr;
};
