#include "uebung/practice_texts.h"

#include "ui/german_numbers.h"

#include <cmath>

namespace practicetext {

using sorvik1::Verdict;

QString colourName(sorvik1::Farbcode colour) {
    return colour == sorvik1::red     ? QStringLiteral("Rot")
           : colour == sorvik1::black ? QStringLiteral("Schwarz")
                                      : QStringLiteral("Zero");
}

QString spinName(int number) {
    const auto colour = number >= 0 && number <= 36
                            ? sorvik1::wheelColours()[static_cast<std::size_t>(number)]
                            : sorvik1::noColour;
    return QString::number(number) + QLatin1Char(' ') + colourName(colour);
}

QString units(double value) {
    const QString amount =
        germannumbers::decimal(std::abs(value), value == std::round(value) ? 0 : 1);
    const QString sign = value > 0   ? QStringLiteral("+")
                         : value < 0 ? QStringLiteral("−")
                                     : QString();
    return sign + amount +
           (std::abs(value) == 1 ? QStringLiteral(" Stück") : QStringLiteral(" Stücke"));
}

QString seconds(std::int64_t ms) {
    return germannumbers::decimal(static_cast<double>(ms) / 1000.0, 2) + QStringLiteral(" s");
}

QString percent(double share) {
    return germannumbers::percent(share, 1);
}

QString called(Verdict verdict, sorvik1::Farbcode colour, sorvik1::Farbcode figureColour,
               std::int64_t reactionMs) {
    const QString reaction = QStringLiteral(" (Reaktion %1)").arg(seconds(reactionMs));
    switch (verdict) {
    case Verdict::Hit:
        return QStringLiteral("Signal erkannt – gesetzt auf %1.").arg(colourName(colour)) +
               reaction;
    case Verdict::WrongColour:
        return QStringLiteral("Signal erkannt, aber falsche Farbe: %1 statt %2.")
                   .arg(colourName(colour), colourName(figureColour)) +
               reaction;
    case Verdict::FalseCall:
        return QStringLiteral("Fehlalarm: die Figur ist noch nicht bis auf die letzte Stelle "
                              "komplett. Gesetzt auf %1.")
                   .arg(colourName(colour)) +
               reaction;
    case Verdict::Missed:
    case Verdict::Quiet:
        break;
    }
    return {};
}

QString settled(const sorvik1::Settled& s, sorvik1::Farbcode figureColour) {
    const QString spin = spinName(s.decidingNumber);
    if (s.verdict == Verdict::Missed) {
        return QStringLiteral("Signal verpasst: %1 wäre zu setzen gewesen. Es kam %2.")
            .arg(colourName(figureColour), spin);
    }
    if (!s.call) {
        return {};
    }
    const QString outcome = s.units > 0    ? QStringLiteral("gewonnen")
                            : s.units > -1 ? QStringLiteral("halb verloren")
                                           : QStringLiteral("verloren");
    const QString verdict = s.verdict == Verdict::Hit           ? QStringLiteral("Signal erkannt.")
                            : s.verdict == Verdict::WrongColour ? QStringLiteral("Falsche Farbe.")
                                                                : QStringLiteral("Fehlalarm.");
    return QStringLiteral("%1 Es kam %2: %3 (%4).").arg(verdict, spin, outcome, units(s.units));
}

QString scoreLine(const sorvik1::PracticeScore& score) {
    using germannumbers::whole;
    return QStringLiteral("Wurf %1 · Signale %2 · Treffer %3 · falsche Farbe %4 · verpasst %5 · "
                          "Fehlalarme %6 · %7")
        .arg(whole(score.spins), whole(score.signalCount), whole(score.hits),
             whole(score.wrongColour), whole(score.missed), whole(score.falseCalls),
             units(score.units));
}

QString summary(const sorvik1::PracticeScore& score, PracticeEnd why) {
    using germannumbers::whole;
    QStringList lines;
    lines << (why == PracticeEnd::PermanenceEnded
                  ? QStringLiteral("Die Permanenz ist zu Ende: die Übung endet nach %1 Würfen.")
                  : QStringLiteral("Übung beendet nach %1 Würfen."))
                 .arg(whole(score.spins));
    lines << QStringLiteral("Signale: %1 · Treffer: %2 (%3) · falsche Farbe: %4 (%5) · "
                            "verpasst: %6 (%7)")
                 .arg(whole(score.signalCount), whole(score.hits), percent(score.hitRate()),
                      whole(score.wrongColour), percent(score.wrongColourRate()),
                      whole(score.missed), percent(score.missRate()));
    lines << QStringLiteral("Fehlalarme: %1 (%2 der Würfe ohne Signal)")
                 .arg(whole(score.falseCalls), percent(score.falseCallRate()));
    const auto median = score.medianReactionMs();
    lines << QStringLiteral("Reaktionszeit (Median): %1")
                 .arg(median ? seconds(*median) : germannumbers::none);
    lines << QStringLiteral("Ergebnis Ihrer Ansagen: %1 · alle Signale perfekt angesagt: %2")
                 .arg(units(score.units), units(score.perfectUnits));
    lines << QStringLiteral("Das Erkennen ist Ihr Können – ob der entscheidende Wurf dann "
                            "gewinnt, entscheidet der Zufall.");
    return lines.join(QLatin1Char('\n'));
}

} // namespace practicetext
