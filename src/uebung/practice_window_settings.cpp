// The practice window's choices outlive it, as the evaluation window's do.
#include "uebung/practice_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSettings>
#include <QSpinBox>

#include <algorithm>

void PracticeWindow::loadSettings() {
    const QSettings settings;
    const auto index = [&](const char* key, const QComboBox* box) {
        return std::clamp(settings.value(QLatin1String(key), box->currentIndex()).toInt(), 0,
                          box->count() - 1);
    };
    source->setCurrentIndex(index("uebung/quelle", source));
    tempo->setCurrentIndex(index("uebung/tempo", tempo));
    limitKind->setCurrentIndex(index("uebung/endeNachArt", limitKind));
    secondsPerSpin->setValue(
        settings.value(QStringLiteral("uebung/sekundenJeWurf"), secondsPerSpin->value())
            .toDouble());
    spinsPerSecond->setValue(
        settings.value(QStringLiteral("uebung/wuerfeJeSekunde"), spinsPerSecond->value()).toInt());
    limitCount->setValue(
        settings.value(QStringLiteral("uebung/endeNach"), limitCount->value()).toInt());
    halfOnZero->setChecked(
        settings.value(QStringLiteral("uebung/teilungBeiNull"), halfOnZero->isChecked()).toBool());
    chance->setCurrentIndex(index("uebung/chance", chance));
}

void PracticeWindow::saveSettings() const {
    QSettings settings;
    settings.setValue(QStringLiteral("uebung/quelle"), source->currentIndex());
    settings.setValue(QStringLiteral("uebung/tempo"), tempo->currentIndex());
    settings.setValue(QStringLiteral("uebung/sekundenJeWurf"), secondsPerSpin->value());
    settings.setValue(QStringLiteral("uebung/wuerfeJeSekunde"), spinsPerSecond->value());
    settings.setValue(QStringLiteral("uebung/endeNach"), limitCount->value());
    settings.setValue(QStringLiteral("uebung/endeNachArt"), limitKind->currentIndex());
    settings.setValue(QStringLiteral("uebung/teilungBeiNull"), halfOnZero->isChecked());
    settings.setValue(QStringLiteral("uebung/chance"), chance->currentIndex());
}
