#pragma once

#include "core/wheel/chance.h"

class QComboBox;
class QWidget;

// The choice of the simple chance a figure is played on, Rot/Schwarz first;
// named for screen readers. A window may add entries after the three.
QComboBox* chanceChoice(QWidget* parent);
// The chance chosen; Rot/Schwarz for an entry added after the three.
sorvik1::Chance chosenChanceOf(const QComboBox* box);
