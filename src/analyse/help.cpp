#include "analyse/help.h"

namespace sorvik1::analyse {

std::string_view helpText() {
    return R"(Aufruf:
  sorvik1-analyse --figur FIGUR --spins ANZAHL [--seed ZAHL] [--threads ZAHL] [OPTIONEN]
  sorvik1-analyse --figur FIGUR [OPTIONEN] DATEI...
  sorvik1-analyse --suche K [--luecken] [--top N] [--threads ZAHL] (--spins ANZAHL | DATEI...)
  sorvik1-analyse --figur FIGUR --strategie PLAN --kapital N [EINSÄTZE]
                  (--sitzungen N (--spins ANZAHL | --wetten ANZAHL) | DATEI...)

Zählt, wie oft eine Roulette-Figur in einer Folge von Würfen vorkommt, und
stellt die Zählung neben das, was der Zufall erwarten lässt: in simulierten
Würfen oder in den Permanenzdateien einer Spielbank.

Figur:
  --figur FIGUR      r für Rot, s für Schwarz, . für eine freie Position, die
                     jeden Wurf nimmt, auch die Null. Höchstens 20 Positionen,
                     die erste und die letzte besetzt, zum Beispiel rr.s.
                     Vorkommen dürfen sich überlappen; jedes zählt, wie im
                     Trainer.
  --chance rot-schwarz|gerade-ungerade|tief-hoch
                     die einfache Chance, auf die sich die Figur bezieht
                     (Vorgabe: rot-schwarz). Die Buchstaben der Figur sind
                     r/s (Rot/Schwarz), g/u (Gerade/Ungerade) oder t/h (Tief
                     1-18/Hoch 19-36); die Null gehört zu keiner Seite. Mit
                     --suche durchsucht --chance alle die drei Chancen
                     derselben Würfe zusammen, und Holm zählt jede Figur
                     jeder Chance.

Figurensuche (statt --figur):
  --suche K          zählt jede Figur der Spannweite 1 bis K (K höchstens 10),
                     die mit einer Farbe beginnt und endet, in allen Quellen
                     zusammen, und stellt jede neben den Zufall: Vorkommen,
                     Erwartung, Standardabweichung, z, zweiseitiges p und p
                     nach Holm über alle Figuren. p ist exakt (Methode
                     "exakt"), wo die Verteilung der Zahl höchstens 1e6
                     Rechenschritte kostet, sonst eine Sattelpunktnäherung
                     ("sattelpunkt") mit höchstens 10 % relativem Fehler für
                     p von 1e-8 bis 0.05. p unter 1e-300 steht als "< 1e-300".
                     "auffällig" heißt: p nach Holm unter 0.05.
  --luecken          auch Figuren mit freien Positionen zwischen den Enden.
  --top N            nur die N Figuren mit dem höchsten und die N mit dem
                     niedrigsten z (Vorgabe: alle, nach z geordnet).
                     CSV gibt nur die Tabelle der Figuren aus.

Strategietest (mit --figur): was das Setzen auf die Figur mit dem Kapital
gemacht hätte. Gesetzt wird auf einen Wurf genau dann, wenn die Würfe davor
jede besetzte Position der Figur außer der letzten füllen (wie in der Übung;
eine Null bricht die Figur), auf die Farbe der letzten Position.
  --strategie PLAN   masse (immer 1), martingale (verdoppeln nach jedem
                     Verlust), dalembert (+1 nach Verlust, -1 nach Gewinn,
                     mindestens 1), paroli (verdoppeln nach Gewinn, nach
                     --paroli-stufen Gewinnen oder einem Verlust zurück auf 1)
                     oder reihe (die Einsätze von --reihe: nach Verlust der
                     nächste, nach dem letzten wieder der erste, nach Gewinn
                     der erste). Der Plan zählt in Vielfachen des Grundeinsatzes
                     und rückt auch weiter, wenn der Einsatz gekappt wurde.
  --einsatz N        Grundeinsatz (Vorgabe: 1).
  --reihe 1,2,4,8    die eigene Reihe für reihe, höchstens 100 Einsätze.
  --paroli-stufen N  Stufen für paroli (Vorgabe: 3, also 1, 2, 4, 1, ...).
  --kapital N        Startkapital (nötig).
  --minimum N        Tischminimum (Vorgabe: der Grundeinsatz). Fällt das
                     Kapital darunter, endet die Sitzung: Kapital erschöpft.
  --maximum N        Tischmaximum (Vorgabe: keines). Gesetzt wird das Kleinste
                     aus Planeinsatz, Maximum und Kapital (in ganzen Stücken).
  --ziel N           Gewinn, bei dem die Sitzung endet: Ziel erreicht.
  --gegen            auf die andere Farbe setzen.
  --teilung          eine Null kostet nur den halben Einsatz (Vorgabe: Null
                     verliert den ganzen).
  --sitzungen N      so viele zufällige Sitzungen, jede mit --spins ANZAHL
                     Würfen oder --wetten ANZAHL Wetten; mit --seed
                     wiederholbar. Oder DATEI...: jede Datei eine Sitzung.
  Alle Beträge sind ganze Zahlen von 1 bis 1000000000. Ausgabe je Sitzung:
  Würfe, Wetten, Gewinne, Verluste (davon auf Null), Einsatz, Ergebnis, das
  erwartete Ergebnis -Einsatz/37 (mit --teilung /74) und z, längste
  Verlustserie, größter Rückgang, höchster Einsatz und wann und warum die
  Sitzung endete; dann die Summe. Daneben, was der Zufall allein für denselben
  Plan ergibt: Ruin, Ziel und mittleres Ergebnis, exakt für Sitzungen in
  Wetten (wo die Rechnung in ihr Budget passt), sonst aus mindestens 10000
  zufälligen Sitzungen mit 95 %-Intervall nach Wilson; Dateien stehen neben
  zufälligen Sitzungen ihrer Längen. --null ueberspringen gilt hier nicht.

Quelle (eine von beiden):
  --spins ANZAHL     simuliert ANZAHL Würfe (1 bis 1000000000000).
  --seed ZAHL        Startwert des Zufallsgenerators. Derselbe Startwert gibt
                     dieselben Würfe, mit wie vielen Threads auch immer. Ohne
                     --seed nimmt das Programm einen aus der Uhr und gibt ihn
                     aus, damit sich der Lauf wiederholen lässt.
  --threads ZAHL     rechnet mit so vielen Threads (Vorgabe: alle Kerne), für
                     die Simulation und für die Suche.
  DATEI...           Permanenzdateien: vier Kopfzeilen, die erste beginnt mit
                     "Spielbank", dann die Zahlen. Sie werden nach denselben
                     Regeln gelesen wie im Trainer. Eine Datei, die sich nicht
                     lesen lässt, wird mit dem Grund auf der Fehlerausgabe
                     gemeldet; die übrigen werden ausgewertet.

Weitere Optionen:
  --null bricht         Eine Null unterbricht jede Figur, die an ihrer Stelle
                        eine Farbe braucht (Vorgabe, wie im Trainer).
  --null ueberspringen  Die Nullen werden vorher aus der Folge genommen;
                        gezählt und gerechnet wird mit den übrigen Würfen.
  --liste               gibt auch jeden Startwurf aus: die Nummer des Wurfs,
                        mit dem ein Vorkommen beginnt (Nullen mitgezählt).
                        In csv folgen die Startwürfe nach einer Leerzeile als
                        zweite Tabelle mit dem Kopf quelle,wurf, eine Zeile je
                        Startwurf.
  --abstaende           gibt auch die Abstände zwischen aufeinanderfolgenden
                        Vorkommen aus, je Abstand gezählt und erwartet (in
                        gezählten Würfen); in csv als eigene Tabelle nach einer
                        Leerzeile. Nur mit --figur, nicht mit --suche.
  --format text|csv|json  Ausgabeformat (Vorgabe: text). Zahlen stehen mit
                        Dezimalpunkt; was sich nicht berechnen lässt, steht als
                        "–" (text), leeres Feld (csv) oder null (json).
                        In csv steht vor einem Text, der mit =, +, -, @, einem
                        Tabulator oder Wagenrücklauf beginnt, ein Apostroph,
                        damit eine Tabellenkalkulation ihn nicht als Formel
                        ausführt; json gibt Namen unverändert.
  --help                diese Hilfe
  --version             die Version des Programms

Ausgabe je Quelle:
  Würfe, Vorkommen, erwartete Zahl E = (N - L + 1) * p^m, die exakte
  Standardabweichung (mit den Überlappungen der Figur mit sich selbst), der
  z-Wert (Vorkommen - E) / Standardabweichung, der mittlere Abstand zwischen
  zwei Vorkommen (beobachtet, und erwartet 1 / p^m), die erwartete Wartezeit
  bis zum ersten vollständigen Vorkommen (in Würfen, der letzte Wurf der Figur
  mitgezählt) und die Wahrscheinlichkeit, dass die Figur in N Würfen
  mindestens einmal vorkommt. Dabei ist N die Zahl der gezählten Würfe (ohne
  die Nullen, wenn sie übersprungen werden), L die Länge der Figur, m die Zahl
  ihrer besetzten Positionen und p = 18/37 (mit --null ueberspringen 1/2).
  Wartezeit und Wahrscheinlichkeit stehen für jede Figur da, exakt oder mit
  einem relativen Fehler von höchstens 1e-9: die Wartezeit mit drei Stellen
  nach dem Punkt, die Wahrscheinlichkeit mit sechs gültigen Ziffern.
  Dazu der längste Ausbleiber: die längste Strecke gezählter Würfe ohne
  Beginn eines Vorkommens (auch vor dem ersten und nach dem letzten), wo er
  beginnt (als gezählter Wurf), seine erwartete Länge und die
  Wahrscheinlichkeit eines mindestens so langen, mit einer Fehlerschranke
  dieser Näherung.

Mit zwei oder mehr Dateien folgt in csv eine Zeile und in json ein Objekt
"gesamt" für alle Dateien zusammen: Würfe, Vorkommen und erwartete Zahl
addiert, die Varianzen addiert (die Dateien sind unabhängig), daraus
Standardabweichung und z-Wert. Ein Vorkommen reicht nie über das Ende einer
Datei in die nächste.

Beispiele:
  sorvik1-analyse --figur rr.s --spins 100000000 --seed 7
  sorvik1-analyse --figur rsr --spins 10000000 --threads 2 --format json
  sorvik1-analyse --figur rr.s tisch1.txt tisch5.txt
  sorvik1-analyse --figur r..s --null ueberspringen --liste --format csv tisch1.txt > r..s.csv
  sorvik1-analyse --figur rr.s --strategie martingale --einsatz 1 --kapital 100 \
                  --maximum 500 --sitzungen 10000 --spins 1000 --seed 7

Rückgabewert: 0 wenn alles ausgewertet ist, 1 wenn eine Datei nicht
ausgewertet werden konnte, 2 bei einem falschen Aufruf.
)";
}

} // namespace sorvik1::analyse
