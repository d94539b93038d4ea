#include "uebung/spin_strip.h"

#include "core/wheel/colour.h"
#include "uebung/practice_texts.h"

#include <QPainter>

namespace {

constexpr int cellHeight = 26;
constexpr int cellWidth = 64;

QColor cellColour(int number) {
    switch (sorvik1::wheelColours()[static_cast<std::size_t>(number)]) {
    case sorvik1::red:
        return QColor(0xc8, 0x10, 0x10);
    case sorvik1::black:
        return QColor(0x20, 0x20, 0x20);
    default:
        return QColor(0x00, 0x80, 0x30);
    }
}

} // namespace

SpinStrip::SpinStrip(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Letzte Würfe"));
    setFixedSize(sizeHint());
    describe();
}

void SpinStrip::add(int number) {
    numbers_.push_back(number >= 0 && number <= 36 ? number : 0);
    if (numbers_.size() > shownSpins) {
        numbers_.pop_front();
    }
    describe();
    update();
}

void SpinStrip::setChance(sorvik1::Chance chance) {
    chance_ = chance;
    describe();
    update();
}

void SpinStrip::clear() {
    numbers_.clear();
    describe();
    update();
}

QSize SpinStrip::sizeHint() const {
    return {cellWidth, cellHeight * shownSpins};
}

void SpinStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    // The newest spin sits at the bottom, older ones climb.
    int top = height() - cellHeight * static_cast<int>(numbers_.size());
    for (const int number : numbers_) {
        const QRect cell(0, top, width(), cellHeight - 2);
        painter.fillRect(cell, cellColour(number));
        painter.setPen(Qt::white);
        const sorvik1::Farbcode side =
            sorvik1::sideTable(chance_)[static_cast<std::size_t>(number)];
        const QString letter =
            chance_ == sorvik1::Chance::RotSchwarz || side == sorvik1::noColour
                ? QString()
                : QStringLiteral(" ") +
                      QChar::fromLatin1(sorvik1::sideLetters(chance_)[side == sorvik1::red ? 0 : 1])
                          .toUpper();
        painter.drawText(cell, Qt::AlignCenter, QString::number(number) + letter);
        top += cellHeight;
    }
}

void SpinStrip::describe() {
    if (numbers_.empty()) {
        setAccessibleDescription(QStringLiteral("Noch kein Wurf"));
        return;
    }
    QStringList spins;
    for (const int number : numbers_) {
        spins << practicetext::spinName(number, chance_);
    }
    setAccessibleDescription(QStringLiteral("Von alt nach neu: ") +
                             spins.join(QStringLiteral(", ")));
}
