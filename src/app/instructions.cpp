#include "app/form1.h"

#include "app/instructions.h"
#include "ui/caption_label.h"

const std::array<QString, 4> figureInstruction = {
    QStringLiteral(" Definieren Sie zunächst auf der linken Seite"),
    QStringLiteral("  eine beliebige  Figur.  Wo Sie die Figur  im"),
    QStringLiteral("  Feld plazieren ist egal.  Lücken dürfen sein."),
    QStringLiteral("  Wenn Sie fertig sind, die OK-Taste drücken")};

const std::array<QString, 4> runInstruction = {
    QStringLiteral(" Anzahl der gewünschten Würfe eingeben,"),
    QStringLiteral("  Modus wählen und Start drücken."),
    QStringLiteral("  Oder Import drücken und entspr. Datei der"),
    QStringLiteral("  Spielbank Hamburg angeben.")};

const std::array<QString, 3> importInstruction = {
    QStringLiteral(" Geben Sie den Ort an, wo sich die Datei"),
    QStringLiteral("   mit den Permanenzen der Hamburger Spiel-"),
    QStringLiteral("   bank befindet und drücken Sie anschl. OK")};

// Writes the first line with a carriage return, then appends each further
// line to the caption read back, with a carriage return after all but the last.
void Form1::showInstruction(const std::array<QString, 4>& lines) {
    text->setCaption(lines[0] + QChar(13));
    text->setCaption(text->caption() + lines[1] + QChar(13));
    text->setCaption(text->caption() + lines[2] + QChar(13));
    text->setCaption(text->caption() + lines[3]);
}
