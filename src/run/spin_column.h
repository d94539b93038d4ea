#pragma once

class FlexGrid;
class QString;

// Widens the grid's spin-number column when the widest label would not fit,
// so that the spin numbers of a long run stay readable instead of being cut
// short. The width comes from the grid's spare width first, then from a
// column that never holds anything. Never narrows the spin-number column.
void fitSpinColumn(FlexGrid& grid, const QString& widestLabel, int emptyColumn);
