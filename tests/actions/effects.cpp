#include "effects.h"

#include "action.h"
#include "effect_rules.h"
#include "permanence_folder.h"
#include "scripted_message_box.h"
#include "scripted_printer.h"
#include "session.h"
#include "ui/dir_list.h"
#include "ui/file_list.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"

#include <QFrame>
#include <QGroupBox>
#include <QTextEdit>

namespace {

const PermanenceFile* chosenFile(const Session& s) {
    return s.folder.chosen(s.form.Dir1->path(), s.form.File1->fileName());
}

// The info box shows the info file, or says that it cannot find it.
void checkInfoEffect(const Session& s, Findings& out) {
    const Form1& f = s.form;
    if (!f.infotext->isVisibleTo(&f)) {
        return;
    }
    const QString problem =
        QStringLiteral("Problem:\nKann die Datei Info_Sorvik1.txt nicht finden.");
    out.expect(f.infotext->toPlainText() == (s.infoFile ? PermanenceFolder::infoText() : problem),
               QStringLiteral("Info shows the info file or the problem with it"));
}

} // namespace

Before observe(Session& s) {
    Before b;
    b.snapshot = Snapshot::of(s.form);
    b.boxes = s.messages->shown.size();
    b.setups = s.printer->setups;
    b.pages = s.printer->reports + s.printer->images;
    const FlexGrid& grid = *s.form.tabelle1;
    b.selRow = grid.rowSel();
    b.selCol = grid.colSel();
    for (int r = 0; r < 21; ++r) {
        for (int c = 0; c < 3; ++c) {
            b.cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                grid.cellBackColorAt(r, c);
        }
    }
    b.wurf = s.form.wurf;
    b.listed = s.form.Liste->listCount();
    b.chosen = chosenFile(s);
    return b;
}

void remember(Session& s, const Before& b) {
    const Form1& f = s.form;
    const Snapshot after = Snapshot::of(f);
    const auto changed = [&](const QString& part) {
        return !b.snapshot.differences(after, {}, {part}).isEmpty();
    };
    // Read from the window, not from the action: a key press may have
    // pressed any button.
    if (f.figanfang == 0) {
        s.activeFigure.reset();
    } else if (!s.activeFigure) {
        s.activeFigure = f.figur;
    }
    if (f.zudeck2->isVisibleTo(&f)) {
        s.middleUncovered = false;
    } else if (changed(QStringLiteral("okinfo caption"))) {
        s.middleUncovered = true;
    }
    s.frameUnderCover = f.figanfang == 0 && (s.frameUnderCover || f.Frame1->isVisibleTo(&f));
    if (f.importiert == 0) {
        s.loaded = nullptr;
    } else if (changed(QStringLiteral("importiert"))) {
        // A key press may have chosen the file in the same action as the load.
        s.loaded = chosenFile(s);
    }
}

void expectUnchanged(const Form1& form, const Before& before, Findings& out,
                     const QStringList& ignored) {
    const QStringList changed = before.snapshot.differences(Snapshot::of(form), ignored);
    out.expect(changed.isEmpty(), QStringLiteral("the action changed nothing else, but: ") +
                                      changed.join(QStringLiteral(", ")));
}

QStringList brokenEffects(Session& s, const Action& a, const Before& b) {
    Findings out;
    const auto unchanged = [&](const QStringList& ignored = {}) {
        expectUnchanged(s.form, b, out, ignored);
    };
    using K = Action::Kind;
    switch (a.kind) {
    case K::FigureCell:
    case K::Setzen:
    case K::Absetzen:
    case K::FigureOk:
    case K::Reset:
        checkFigureEffect(s, a, b, out);
        break;
    case K::Type:
    case K::Erase:
    case K::Paste:
        unchanged({QStringLiteral("anzahl"), QStringLiteral("textanzahl"),
                   QStringLiteral("okstart enabled")});
        break;
    case K::Mode:
        unchanged({QStringLiteral("mode")});
        break;
    case K::Start:
        checkStartEffect(s, b, out);
        checkScroll(s, a, b, out);
        break;
    case K::Abbruch:
    case K::Ende:
        if (a.answers.front() == answer::no) {
            unchanged();
        } else {
            checkConfirmedEffect(s, a, out);
        }
        break;
    case K::Import:
    case K::ImportOk:
    case K::ImportAbbr:
        checkImportEffect(s, a, b, out);
        break;
    case K::PickFile:
        unchanged({QStringLiteral("okexternok enabled")});
        out.expect(s.form.File1->fileName() == a.name,
                   QStringLiteral("a click on a file chooses it"));
        break;
    case K::ListEntry:
        unchanged();
        checkScroll(s, a, b, out);
        break;
    case K::OpenDir:
        unchanged();
        out.expect(s.form.Dir1->path() == a.name,
                   QStringLiteral("a double click on a directory opens it"));
        break;
    case K::Drive:
    case K::Statistics:
    case K::CloseStatistics:
        unchanged();
        break;
    case K::Druck:
    case K::Copy:
        unchanged();
        checkPrintEffect(s, a, b, out);
        break;
    case K::Keys:
        break;
    case K::Info:
        unchanged({QStringLiteral("okinfo caption"), QStringLiteral("infotext"),
                   QStringLiteral("infotext shown"), QStringLiteral("zudeck2 shown")});
        checkInfoEffect(s, out);
        break;
    }
    return out.broken;
}
