// Buttons, covers, captions and the count box, against the state.
#include "invariants.h"

#include "core/intake/spin_count.h"
#include "session.h"
#include "ui/caption_label.h"
#include "ui/list_box.h"
#include "ui/text_box.h"
#include "usable.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace {

const QString endMark = QStringLiteral("                    ***  ENDE  *** ");

QString joined(const std::array<QString, 4>& lines) {
    return lines[0] + QChar(13) + lines[1] + QChar(13) + lines[2] + QChar(13) + lines[3];
}

bool shown(const Form1& f, const QWidget* w) {
    return w->isVisibleTo(&f);
}

std::size_t typedCount(const Form1& f) {
    const QByteArray utf8 = f.textanzahl->text().toUtf8();
    return sorvik1::spinCount(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

void checkSections(const Session& s, Findings& out) {
    const Form1& f = s.form;
    const bool drawing = f.figanfang == 0;
    out.expect(shown(f, f.zudeck1) == drawing,
               QStringLiteral("the right-hand cover is shown exactly in the drawing state"));
    out.expect(!shown(f, f.zudeck2) || drawing,
               QStringLiteral("the middle cover is shown only in the drawing state"));
    out.expect(!drawing || s.middleUncovered || shown(f, f.zudeck2),
               QStringLiteral("in the drawing state the middle stays covered until Info"));
    out.expect(f.okfigok->isEnabled() == drawing,
               QStringLiteral("OK is enabled exactly in the drawing state"));
    out.expect(!(f.okfigsetz->isEnabled() && f.okfigabsetz->isEnabled()),
               QStringLiteral("Setzen and Absetzen are never both enabled"));
    if (drawing && !s.frameUnderCover) {
        out.expect(f.text->caption() == joined(figureInstruction),
                   QStringLiteral("the drawing state shows the figure instruction"));
    }
}

void checkRunButtons(const Session& s, Findings& out) {
    const Form1& f = s.form;
    const bool started = f.gestartet == 1;
    const bool enabled = f.okstart->isEnabled();
    const QString caption = f.okstart->text();
    out.expect(caption == (started && enabled ? QStringLiteral("Weiter") : QStringLiteral("Start")),
               QStringLiteral("Start reads Weiter exactly while a prepared run goes on"));
    out.expect(!enabled || f.anzahl > 0, QStringLiteral("Start is enabled only with a count"));
    out.expect(!usable(f, *f.okstart) || f.figanfang != 0,
               QStringLiteral("Start can be pressed only with an active figure"));
    // Erasing the count locks Start but keeps the last count in anzahl,
    // unread until a new count replaces it.
    const bool counted = !f.textanzahl->text().isEmpty();
    if (!started) {
        out.expect(enabled == counted,
                   QStringLiteral("before a run Start is enabled exactly with a count"));
    }
    const bool ended = started && !enabled;
    out.expect(!ended || f.wurf == f.anzahl, QStringLiteral("an ended run showed every spin"));
    out.expect(f.text->caption().endsWith(QChar(13) + endMark) == ended,
               QStringLiteral("the end mark is shown exactly after the end of the run"));
    out.expect(f.textanzahl->isEnabled() == !started,
               QStringLiteral("the count can be typed exactly while no run is prepared"));
    out.expect(f.okextern->isEnabled() == (!started && f.importiert == 0),
               QStringLiteral("Import is enabled exactly before a run and before a load"));
    out.expect(f.okabbrechen->isEnabled() == (started || f.importiert == 1),
               QStringLiteral("Abbruch is enabled exactly with a prepared run or a load"));
    out.expect(f.okdruck->isEnabled() == started,
               QStringLiteral("Druck is enabled exactly with a prepared run"));
    out.expect(!shown(f, f.Frame1) || (!started && f.importiert == 0),
               QStringLiteral("the import frame is open only before a run and a load"));
    out.expect(!counted || f.anzahl == static_cast<double>(typedCount(f)),
               QStringLiteral("anzahl is the count the box shows"));
    if (started && f.importiert == 0) {
        const QString computer = QStringLiteral(" Der Computer erzeugt die Zahlen...");
        out.expect(f.text->caption() == (ended ? computer + QChar(13) + endMark : computer),
                   QStringLiteral("a random run shows that the computer throws"));
    }
}

void checkLabels(const Session& s, Findings& out) {
    const Form1& f = s.form;
    const bool spun = f.wurf > 0;
    out.expect(f.lakut->caption() == (spun ? QString::number(f.wurf, 'f', 0) : QString()),
               QStringLiteral("lakut shows wurf"));
    out.expect(f.lzahl->caption() == (spun ? QString::number(f.zahl) : QString()),
               QStringLiteral("lzahl shows the number of the current spin"));
    const int count = f.Liste->listCount();
    out.expect(f.lmenge->caption() == (count > 0 ? QString::number(count) : QString()),
               QStringLiteral("lmenge counts the entries of Liste"));
    int modes = 0;
    for (const QRadioButton* mode : f.Option1) {
        modes += mode->isChecked() ? 1 : 0;
    }
    out.expect(modes == 1, QStringLiteral("exactly one mode is chosen"));
    const QString info = f.okinfo->text();
    out.expect(info == QStringLiteral("Info") || info == QStringLiteral("Ende Info"),
               QStringLiteral("the info button reads Info or Ende Info"));
    const bool box = shown(f, f.infotext);
    out.expect(box == (info == QStringLiteral("Ende Info")) &&
                   box != f.infotext->toPlainText().isEmpty(),
               QStringLiteral("the info box is shown, with text, exactly under Ende Info"));
}

} // namespace

void checkControls(const Session& s, Findings& out) {
    checkSections(s, out);
    checkRunButtons(s, out);
    checkLabels(s, out);
}
