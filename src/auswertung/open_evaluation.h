#pragma once

class TrainerView;
class EvaluationWindow;

// Opens the trainer's one evaluation window, made on first use.
EvaluationWindow* openEvaluation(TrainerView& trainer);
