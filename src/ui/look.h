#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>

#include <cstdint>

// Geometry, colours and fonts of the window, converted in one place.
namespace look {

// 15 twips are one logical pixel at 96 dots per inch.
inline int px(int twips) {
    return (twips * 2 + 15) / 30;
}
inline QRect rect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

// A colour value in the 0x00BBGGRR form (red in the low byte).
inline QColor fromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline const QColor background{224, 224, 224};
inline const QColor blue{0, 0, 192};
inline const QColor darkGrey{64, 64, 64};
inline const QColor paleGreen{192, 255, 192};
inline const QColor lightGreen{128, 255, 128};
inline const QColor selectionGreen{0, 255, 0};

// A system colour for text on one of the window's fixed light backgrounds:
// the preferred colour while it stays readable there (a dark desktop theme
// gives light text), otherwise black or white, whichever reads better.
QColor readableOn(const QColor& back, const QColor& preferred);

// The plain sans face the window uses, at 8.25, 9.75 or 12 points.
QFont font(double points, bool bold);

// The font with its letter spacing tightened, and if need be its size
// reduced, until every line fits the width in pixels.
QFont fitting(QFont font, const QStringList& lines, int width);

} // namespace look
