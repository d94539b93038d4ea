#include "ui/chance_choice.h"

#include <QComboBox>

QComboBox* chanceChoice(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("chance"));
    for (const sorvik1::Chance chance : sorvik1::allChances) {
        box->addItem(QString::fromUtf8(sorvik1::chanceName(chance)));
    }
    box->setAccessibleName(QStringLiteral("Chance"));
    const QString description = QStringLiteral(
        "Rot und Schwarz der Figur stehen für die erste und die zweite Seite dieser einfachen "
        "Chance: Gerade und Ungerade, Tief (1–18) und Hoch (19–36).");
    box->setToolTip(description);
    box->setAccessibleDescription(description);
    return box;
}

sorvik1::Chance chosenChanceOf(const QComboBox* box) {
    const int index = box->currentIndex();
    return index >= 0 && index < static_cast<int>(sorvik1::allChances.size())
               ? sorvik1::allChances[static_cast<std::size_t>(index)]
               : sorvik1::Chance::RotSchwarz;
}
