#pragma once

#include "uebung/practice_record.h"
#include "uebung/practice_store.h"

#include <QWidget>

#include <functional>
#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;

// The stored practices: hit rate and median reaction time per practice in a
// chart, filterable by figure, and the best results.
class HistoryView : public QWidget {
    Q_OBJECT

  public:
    explicit HistoryView(QWidget* parent = nullptr);

    // Shows the store's practices, or `problem` when there is no store.
    void setStore(PracticeStore* store, const QString& problem);
    // Asked before the history is deleted; true deletes.
    void setConfirmClear(std::function<bool()> confirm) { confirmClear_ = std::move(confirm); }
    // Told why "Verlauf löschen" failed; the history is then unchanged.
    void setClearFailed(std::function<void(PracticeStore::Problem)> report) {
        clearFailed_ = std::move(report);
    }
    void reload();

    // The practices the filter lets through, oldest first.
    const std::vector<PracticeRecord>& shown() const { return shown_; }

    QComboBox* figureFilter;
    QChartView* chartView;
    QLabel* best;
    QPushButton* clearButton;

  private:
    void showFiltered();
    void clearHistory();

    PracticeStore* store_ = nullptr;
    std::function<bool()> confirmClear_;
    std::function<void(PracticeStore::Problem)> clearFailed_;
    std::vector<PracticeRecord> all_;
    std::vector<PracticeRecord> shown_;
};
