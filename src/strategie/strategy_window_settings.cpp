// The plan and the source outlive the window, as the other windows' choices do.
#include "strategie/strategy_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>

#include <algorithm>

namespace {

const QString group = QStringLiteral("strategie/");

QString key(const char* name) {
    return group + QLatin1String(name);
}

} // namespace

void StrategyWindow::loadSettings() {
    const QSettings s;
    const auto index = [&](const char* name, QComboBox* box) {
        box->setCurrentIndex(
            std::clamp(s.value(key(name), box->currentIndex()).toInt(), 0, box->count() - 1));
    };
    const auto text = [&](const char* name, QLineEdit* field, const QString& fallback) {
        field->setText(s.value(key(name), fallback).toString());
    };
    index("plan", plan);
    index("einheit", lengthUnit);
    index("dateienAls", filesAs);
    index("chance", chance);
    paroliStages->setValue(s.value(key("stufen"), paroliStages->value()).toInt());
    sessionCount->setValue(s.value(key("sitzungen"), sessionCount->value()).toInt());
    lengthCount->setValue(s.value(key("laenge"), lengthCount->value()).toInt());
    text("einsatz", base, QStringLiteral("1"));
    text("kapital", capital, QStringLiteral("100"));
    text("minimum", minimum, {});
    text("maximum", maximum, {});
    text("ziel", target, {});
    text("reihe", series, QStringLiteral("1, 2, 4, 8"));
    (s.value(key("gegen"), false).toBool() ? againstFigure : withFigure)->setChecked(true);
    (s.value(key("teilung"), false).toBool() ? zeroHalved : zeroLoses)->setChecked(true);
}

void StrategyWindow::saveSettings() const {
    QSettings s;
    s.setValue(key("plan"), plan->currentIndex());
    s.setValue(key("einheit"), lengthUnit->currentIndex());
    s.setValue(key("dateienAls"), filesAs->currentIndex());
    s.setValue(key("chance"), chance->currentIndex());
    s.setValue(key("stufen"), paroliStages->value());
    s.setValue(key("sitzungen"), sessionCount->value());
    s.setValue(key("laenge"), lengthCount->value());
    s.setValue(key("einsatz"), base->text());
    s.setValue(key("kapital"), capital->text());
    s.setValue(key("minimum"), minimum->text());
    s.setValue(key("maximum"), maximum->text());
    s.setValue(key("ziel"), target->text());
    s.setValue(key("reihe"), series->text());
    s.setValue(key("gegen"), againstFigure->isChecked());
    s.setValue(key("teilung"), zeroHalved->isChecked());
}
