#pragma once

#include "stats/first_occurrence_job.h"
#include "ui/trainer_view.h"

#include <QDialog>
#include <QTimer>

#include <optional>

class ChartPanel;
class StatisticsView;

// A small window beside the trainer that puts the figures found in the run
// beside what chance predicts for the spins shown. It only reads the
// trainer: while it is open it looks at the run four times a second, and
// during a long run, which holds the event loop, it simply waits for the end.
// It opens at a size that fits the screen, keeps it whatever its tabs show,
// and comes back where the user left it.
class StatisticsWindow : public QDialog {
    Q_OBJECT

  public:
    explicit StatisticsWindow(TrainerView& trainer);
    ~StatisticsWindow() override;

    // Opens the window beside the trainer, or brings it to the front when it
    // is open already.
    void showBeside();
    // Shows the trainer's current state now.
    void refresh();

  signals:
    // The user asks for "Permanenzen auswerten"; the trainer opens it.
    void evaluationWanted();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QSize frameMargins() const;
    void placeOnScreen();
    void rememberPlace() const;
    void showCount(const RunSnapshot& snapshot);
    void showFirstOccurrence();

    TrainerView& trainer_;
    StatisticsView* view_;
    ChartPanel* charts_;
    FirstOccurrenceJob job_;
    QTimer timer_;
    std::optional<RunSnapshot> shown_;
};
