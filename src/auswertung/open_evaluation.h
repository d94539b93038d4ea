#pragma once

class Form1;
class EvaluationWindow;

// Opens the trainer's one evaluation window, made on first use.
EvaluationWindow* openEvaluation(Form1& trainer);
