// Start, the confirmed Abbruch and Ende, the import frame and the print
// buttons, judged against the window before the action.
#include "action.h"
#include "effect_rules.h"
#include "effects.h"
#include "permanence_folder.h"
#include "scripted_message_box.h"
#include "scripted_printer.h"
#include "session.h"
#include "ui/caption_label.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"
#include "ui/text_box.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>

namespace {

QString joined(const std::array<QString, 4>& lines) {
    return lines[0] + QChar(13) + lines[1] + QChar(13) + lines[2] + QChar(13) + lines[3];
}

const QString importInstruction =
    QStringLiteral("  Geben Sie den Ort an, wo sich die Datei") + QChar(13) +
    QStringLiteral("   mit den Permanenzen der Hamburger Spiel-") + QChar(13) +
    QStringLiteral("   bank befindet und drücken Sie anschl. OK");

// The last spin of the latest occurrence listed; 0 without one.
double latestEnd(const Form1& f) {
    const int count = f.Liste->listCount();
    return count == 0 ? 0 : f.Liste->list(count - 1).toDouble() + (f.figende - f.figanfang);
}

void checkLoad(const Session& s, const PermanenceFile& file, Findings& out) {
    const Form1& f = s.form;
    out.expect(f.importiert == 1 && !f.Frame1->isVisibleTo(&f) && !f.okextern->isEnabled() &&
                   f.okabbrechen->isEnabled(),
               QStringLiteral("a load closes the frame, locks Import and offers Abbruch"));
    if (!file.spins) {
        return;
    }
    const auto count = static_cast<double>(file.spins->size());
    out.expect(f.importanzahl == count && f.anzahl == count,
               QStringLiteral("OK takes over every spin of the chosen file"));
    out.expect(f.textanzahl->text() == (count > 0 ? QString::number(count) : QString()),
               QStringLiteral("the count box shows the loaded count"));
    out.expect(f.text->caption() == file.header,
               QStringLiteral("a load shows the file's first three header items"));
}

} // namespace

void checkStartEffect(const Session& s, const Before& b, Findings& out) {
    const Form1& f = s.form;
    const bool ended = !f.okstart->isEnabled();
    out.expect(f.gestartet == 1, QStringLiteral("Start prepares the run"));
    out.expect(f.Liste->listCount() >= b.listed, QStringLiteral("a press only adds to Liste"));
    if (f.Option1[1]->isChecked()) {
        out.expect(ended && f.wurf == f.anzahl,
                   QStringLiteral("Durchlauf shows every spin and ends the run"));
    } else if (f.Option1[2]->isChecked()) {
        out.expect(ended ? f.wurf == f.anzahl
                         : f.wurf > b.wurf && f.figbeiwurf == 0 && latestEnd(f) == f.wurf,
                   QStringLiteral("Halt bei Figur halts on the last spin of an occurrence or "
                                  "runs to the end"));
    } else {
        out.expect(ended ? f.wurf == b.wurf && f.wurf == f.anzahl : f.wurf == b.wurf + 1,
                   QStringLiteral("Einzelschritt shows one spin, or ends the run after the "
                                  "last"));
    }
}

void checkConfirmedEffect(const Session& s, const Action& a, Findings& out) {
    const Form1& f = s.form;
    if (a.kind == Action::Kind::Ende) {
        out.expect(s.quitCalls == 1 && !f.isVisible(), QStringLiteral("Ende, Yes quits"));
        return;
    }
    out.expect(f.gestartet == 0 && f.anzahl == 0 && f.importiert == 0 &&
                   f.textanzahl->text().isEmpty() && f.text->caption() == joined(runInstruction),
               QStringLiteral("Abbruch, Yes returns to a new count with the run instruction"));
}

void checkImportEffect(const Session& s, const Action& a, const Before& b, Findings& out) {
    const Form1& f = s.form;
    switch (a.kind) {
    case Action::Kind::Import:
        out.expect(f.Frame1->isVisibleTo(&f) && f.text->caption() == importInstruction,
                   QStringLiteral("Import opens the frame with its instruction"));
        expectUnchanged(f, b, out, {QStringLiteral("Frame1 shown"), QStringLiteral("text")});
        break;
    case Action::Kind::ImportAbbr:
        out.expect(!f.Frame1->isVisibleTo(&f) && f.importiert == 0 &&
                       f.text->caption() == joined(runInstruction),
                   QStringLiteral("Abbr. closes the frame and shows the run instruction"));
        expectUnchanged(
            f, b, out,
            {QStringLiteral("Frame1 shown"), QStringLiteral("text"), QStringLiteral("importiert")});
        break;
    default: {
        // A refused file changes nothing at all.
        const PermanenceFile* file = b.chosen;
        if (file && (file->spins || (file->unpredictable && f.importiert == 1))) {
            checkLoad(s, *file, out);
        } else {
            expectUnchanged(f, b, out);
        }
        break;
    }
    }
}

namespace {

// The report as plain text, a line feed after each line, blanks dropped.
QString reportText(const std::vector<sorvik1::PrintLine>& lines) {
    QString text;
    for (const sorvik1::PrintLine& line : lines) {
        for (const sorvik1::PrintSpan& span : line) {
            text += QString::fromStdString(span.text);
        }
        text += QChar('\n');
    }
    return text.remove(QChar(' '));
}

// The report names the counts, the found count and every listed spin.
void checkReport(const Session& s, Findings& out) {
    const Form1& f = s.form;
    const QString text = reportText(s.printer->lastReport);
    QString listed;
    for (int i = 0; i < f.Liste->listCount(); ++i) {
        listed += f.Liste->list(i) + QChar(',');
    }
    const QString found = text.mid(text.indexOf(QStringLiteral("BeiWurf:")) + 8);
    out.expect(text.contains(QStringLiteral("AnzahlWürfe:%1\n").arg(f.anzahl, 0, 'f', 0)) &&
                   text.contains(QStringLiteral("Anzahlakut:%1\n").arg(f.wurf, 0, 'f', 0)) &&
                   text.contains(
                       QStringLiteral("AnzahlgefundenerFiguren:%1\n").arg(f.lmenge->caption())) &&
                   QString(found).remove(QChar('\n')) == listed,
               QStringLiteral("the report prints the counts and every listed spin"));
}

} // namespace

void checkPrintEffect(const Session& s, const Action& a, const Before& b, Findings& out) {
    const int reply = a.answers.front();
    const bool printed = reply == answer::no || (reply == answer::yes && a.print.setupAccepted);
    out.expect(s.printer->setups - b.setups == (reply == answer::yes ? 1 : 0),
               QStringLiteral("the printer set-up is offered exactly after Yes"));
    const int pages = s.printer->reports + s.printer->images - b.pages;
    out.expect(pages == (printed ? 1 : 0),
               QStringLiteral("one page is printed unless the user backs out"));
    using Result = sorvik1::PrintOutcome::Result;
    const bool reported = printed && s.printer->last.result != Result::Printed;
    const std::size_t boxes = s.messages->shown.size() - b.boxes;
    out.expect(boxes == (reported ? 2u : 1u),
               QStringLiteral("a page saved as a file or failed is reported, a printed one not"));
    if (printed && a.kind == Action::Kind::Druck) {
        checkReport(s, out);
    }
    if (printed && a.print.realPdf && s.printer->last.result == Result::SavedAsPdf) {
        out.expect(QFileInfo(s.printer->last.file).size() > 0,
                   QStringLiteral("a page saved as PDF is in its file"));
    }
}

void checkScroll(Session& s, const Action& a, const Before& b, Findings& out) {
    Form1& f = s.form;
    FlexGrid& grid = *f.tabelle2;
    const int top = grid.topRow();
    const int last = grid.verticalScrollBar()->maximum();
    if (a.kind == Action::Kind::ListEntry) {
        const int spin = f.Liste->list(a.index).toInt();
        out.expect(top == std::clamp(spin - 1, 0, last),
                   QStringLiteral("a click on an entry scrolls its spin to the top (spin %1, "
                                  "first visible row %2)")
                       .arg(spin)
                       .arg(top));
        return;
    }
    // The current spin stays the fifteenth visible row; a zero, and a press
    // that only ends the run, leave the grid where it was.
    const int row = static_cast<int>(f.wurf) - 1;
    if (f.wurf > b.wurf && f.zahl != 0 && row > 14) {
        out.expect(top == std::min(row - 14, last),
                   QStringLiteral("the current spin is the fifteenth visible row (spin %1, "
                                  "first visible row %2)")
                       .arg(row + 1)
                       .arg(top));
    }
}
