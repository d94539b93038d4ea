#pragma once

#include <QValidator>

// Refuses a keystroke or a paste that would ask for more spins than a run can
// hold; every other text reaches the count handler, which judges it.
class SpinCountValidator : public QValidator {
    Q_OBJECT

  public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};
