#include "auswertung/open_evaluation.h"

#include "app/form1.h"
#include "auswertung/evaluation_window.h"

EvaluationWindow* openEvaluation(Form1& trainer) {
    auto* window = trainer.findChild<EvaluationWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new EvaluationWindow(trainer);
    }
    window->showAndRaise();
    return window;
}
