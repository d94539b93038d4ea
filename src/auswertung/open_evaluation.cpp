#include "auswertung/open_evaluation.h"

#include "auswertung/evaluation_window.h"
#include "ui/trainer_view.h"

EvaluationWindow* openEvaluation(TrainerView& trainer) {
    auto* window =
        trainer.trainerWindow().findChild<EvaluationWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new EvaluationWindow(trainer);
    }
    window->showAndRaise();
    return window;
}
