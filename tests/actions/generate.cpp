#include "generate.h"

#include "choice.h"
#include "core/wheel/colour.h"
#include "permanence_folder.h"
#include "session.h"
#include "targets.h"
#include "ui/caption_label.h"
#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"
#include "ui/message_box.h"
#include "ui/text_box.h"
#include "usable.h"

#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <functional>
#include <tuple>

namespace {

// Mostly short plain counts, some long ones, and every kind of text that is
// no count at all.
QString countText(Choice& c) {
    switch (c.weighted({30, 10, 5, 8, 4, 4, 4, 3, 3})) {
    case 0:
        return QString::number(c.between(1, 60));
    case 1:
        return QString::number(c.between(61, 999));
    case 2:
        return QString::number(c.between(1000, static_cast<int>(longestDrivenRun)));
    case 3:
        return QString::number(c.between(0, 9));
    case 4:
        return c.oneOf<QString>({"a", "abc", "x1", "Z", "ä"});
    case 5:
        return c.oneOf<QString>({" 5", "  ", "-3", "+4", "0", "00", "007", "-", "+"});
    case 6:
        return c.oneOf<QString>({"2.5", "0.5", "1e3", "1,5", ".5", "3.", "1e-2", "4e"});
    case 7:
        return c.oneOf<QString>({"99999999999999999999", "10000001", "9999999", "1e400",
                                 "12345678901", "1e7", "10000000"});
    default:
        return c.oneOf<QString>({"12abc", "3 4", "5-", "7 ", "1\t2", "6e1x"});
    }
}

// Keys that move the focus or the current cell, then what the focused
// control takes: Space presses a button, digits go into a text box. Boxes
// that a press raises get an answer. The keys may change the mode on the
// way, so with a run too long to run through, no button is pressed.
Action keys(Choice& c, bool mayPress) {
    Action a{Action::Kind::Keys};
    const int presses = c.between(1, 6);
    for (int i = 0; i < presses; ++i) {
        const int backTab = QKeyCombination(Qt::ShiftModifier, Qt::Key_Tab).toCombined();
        a.keys.push_back(
            c.oneOf<int>({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, backTab, Qt::Key_Up, Qt::Key_Down,
                          Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End}));
    }
    a.text = c.oneOf<QString>({" ", " ", "5", "25", "300", "x", ""});
    if (!mayPress) {
        a.text.remove(QChar(' '));
    }
    a.answers = {c.oneOf<int>({answer::yes, answer::no, answer::cancel}), answer::ok};
    return a;
}

Action::Caret caret(Choice& c) {
    static const std::vector<Action::Caret> carets = {
        Action::Caret::SelectAll, Action::Caret::SelectAll, Action::Caret::End,
        Action::Caret::End,       Action::Caret::Click,     Action::Caret::Home};
    return c.oneOf(carets);
}

PrintScript printScript(Choice& c) {
    PrintScript script;
    script.setupAccepted = c.chance(0.7);
    script.outcome = static_cast<PrintScript::Outcome>(c.weighted({6, 2, 2}));
    script.realPdf = c.chance(0.02);
    return script;
}

// The question about the printer settings, then OK for a report of the outcome.
std::vector<int> printAnswers(Choice& c) {
    return {c.oneOf<int>({answer::yes, answer::no, answer::cancel}), answer::ok};
}

struct Candidate {
    double weight;
    std::function<Action()> make;
};

// The actions the user can take now, each with its weight.
class Offers {
  public:
    Offers(Session& session, Choice& choice) : s_(session), c_(choice) {}

    // Offers the action `make` gives when the user can take `sample`, an
    // action of the same kind on the same control.
    void offer(double weight, const Action& sample, std::function<Action()> make) {
        if (possible(s_, sample)) {
            candidates_.push_back({weight, std::move(make)});
        }
    }

    std::optional<Action> pick() {
        if (candidates_.empty()) {
            return std::nullopt;
        }
        std::vector<double> weights;
        for (const Candidate& candidate : candidates_) {
            weights.push_back(candidate.weight);
        }
        return candidates_[c_.weighted(weights)].make();
    }

  private:
    Session& s_;
    Choice& c_;
    std::vector<Candidate> candidates_;
};

// The cells of the figure grid that hold a mark, row 20 included.
std::vector<std::pair<int, int>> markedCells(const Form1& f) {
    std::vector<std::pair<int, int>> cells;
    for (int r = 0; r < f.tabelle1->rows(); ++r) {
        for (int col = 1; col <= 2; ++col) {
            if (f.tabelle1->cellBackColorAt(r, col) != 0) {
                cells.emplace_back(r, col);
            }
        }
    }
    return cells;
}

// Whether the figure grid holds a mark that OK would take.
bool marked(const Form1& f) {
    const std::vector<std::pair<int, int>> cells = markedCells(f);
    return std::any_of(cells.begin(), cells.end(),
                       [](const auto& cell) { return cell.first < 20; });
}

Action simple(Action::Kind kind, std::vector<int> answers = {}) {
    Action a{kind};
    a.answers = std::move(answers);
    return a;
}

// A file of the list; the one slow to read only now and then.
std::optional<QString> fileToPick(Session& s, Choice& c) {
    const FileList& list = *s.form.File1;
    if (list.count() == 0) {
        return std::nullopt;
    }
    const QString name = list.item(c.below(list.count()))->text();
    if (!s.folder.relative(s.form.Dir1->path())) {
        return std::nullopt;
    }
    const PermanenceFile* file = s.folder.chosen(s.form.Dir1->path(), name);
    if (file && file->huge && !c.chance(0.02)) {
        return std::nullopt;
    }
    return name;
}

// A directory other than the open one inside the permanence folder, or, from
// elsewhere, one on the way back to it; elsewhere the files are not the
// driver's.
std::optional<QString> directoryToOpen(Session& s, Choice& c) {
    std::vector<QString> onTheWay;
    const QString root = s.folder.root();
    const bool outside = !s.folder.relative(s.form.Dir1->path());
    for (int i = 0; i < s.form.Dir1->count(); ++i) {
        const QString path = targets::directoryPath(*s.form.Dir1->item(i));
        const bool ancestor = root.startsWith(path.endsWith(QChar('/')) ? path : path + QChar('/'));
        if (((outside && ancestor) || s.folder.relative(path)) && path != s.form.Dir1->path()) {
            onTheWay.push_back(path);
        }
    }
    if (onTheWay.empty()) {
        return std::nullopt;
    }
    return c.oneOf(onTheWay);
}

} // namespace

std::optional<Action> nextAction(Session& s, Choice& c) {
    Form1& f = s.form;
    Offers offers(s, c);
    using K = Action::Kind;
    const auto plain = [&](double weight, K kind, std::vector<int> answers = {}) {
        const Action a = simple(kind, std::move(answers));
        offers.offer(weight, a, [a] { return a; });
    };

    // While drawing, the figure section is all there is; once a figure is
    // active, the run gets most of the attention.
    const bool drawing = f.figanfang == 0;
    offers.offer(drawing ? 10 : 2, Action{K::FigureCell}, [&] {
        Action a{K::FigureCell};
        a.row = c.chance(0.05) ? 20 : c.between(0, 19);
        a.col = c.chance(0.1) ? 0 : c.between(1, 2);
        // Now and then a mark, to remove it.
        const std::vector<std::pair<int, int>> marks = markedCells(f);
        if (!marks.empty() && c.chance(0.25)) {
            std::tie(a.row, a.col) = c.oneOf(marks);
        }
        return a;
    });
    plain(drawing ? 7 : 1.5, K::Setzen);
    plain(drawing ? 3 : 1, K::Absetzen);
    plain(marked(f) ? 12 : 2, K::FigureOk, {answer::ok});
    plain(0.7, K::Reset);

    offers.offer(f.textanzahl->text().isEmpty() ? 14 : 6, Action{K::Type}, [&] {
        Action a{K::Type};
        a.caret = caret(c);
        a.text = countText(c);
        return a;
    });
    offers.offer(2, Action{K::Erase}, [&] {
        Action a{K::Erase};
        a.count = c.between(1, 4);
        return a;
    });
    for (int i = 0; i < 3; ++i) {
        Action mode{K::Mode};
        mode.index = i;
        offers.offer(1, mode, [mode] { return mode; });
    }
    plain(f.anzahl <= longestDrivenRun ? 14 : 1, K::Start);
    offers.offer(2, Action{K::Abbruch},
                 [&] { return simple(K::Abbruch, {c.chance(0.6) ? answer::yes : answer::no}); });

    plain(3, K::Import);
    if (const std::optional<QString> name = fileToPick(s, c)) {
        Action pick{K::PickFile};
        pick.name = *name;
        offers.offer(6, pick, [pick] { return pick; });
    }
    if (const std::optional<QString> dir = directoryToOpen(s, c)) {
        Action open{K::OpenDir};
        open.name = *dir;
        offers.offer(1, open, [open] { return open; });
    }
    plain(5, K::ImportOk, {answer::ok});
    plain(2, K::ImportAbbr);

    for (const K kind : {K::Druck, K::Copy}) {
        offers.offer(1, Action{kind}, [&c, kind] {
            Action a = simple(kind, printAnswers(c));
            a.print = printScript(c);
            return a;
        });
    }
    plain(0.6, K::Info);
    offers.offer(3, Action{K::ListEntry}, [&] {
        Action a{K::ListEntry};
        const int last = f.Liste->listCount() - 1;
        a.index = c.chance(0.3) ? last : c.between(0, last);
        return a;
    });
    plain(0.2, K::Statistics);
    plain(0.3, K::CloseStatistics);
    offers.offer(0.3, Action{K::Drive}, [&] {
        Action a{K::Drive};
        a.count = c.oneOf<int>({1, 1, 2, -1, -1, -2});
        return a;
    });
    offers.offer(1.5, Action{K::Paste}, [&] {
        Action a{K::Paste};
        a.caret = caret(c);
        a.text = c.oneOf<QString>({"123", "20000", "12\n34", " 7", "99999999999", "abc", "1e400",
                                   "3.5", QString::number(c.between(1, 500))});
        return a;
    });
    offers.offer(0.3, Action{K::Ende},
                 [&] { return simple(K::Ende, {c.chance(0.1) ? answer::yes : answer::no}); });
    offers.offer(3, Action{K::Keys}, [&] { return keys(c, f.anzahl <= longestDrivenRun); });
    return offers.pick();
}

bool possible(Session& s, const Action& a) {
    Form1& f = s.form;
    using K = Action::Kind;
    const auto can = [&](const QWidget* w) { return usable(f, *w); };
    switch (a.kind) {
    case K::FigureCell:
        return can(f.tabelle1->viewport());
    case K::Setzen:
        return can(f.okfigsetz);
    case K::Absetzen:
        return can(f.okfigabsetz);
    case K::FigureOk:
        return can(f.okfigok);
    case K::Reset:
        return can(f.okreset);
    case K::Type:
    case K::Erase:
        return can(f.textanzahl);
    case K::Mode:
        return can(f.Option1[static_cast<std::size_t>(a.index)]);
    case K::Start:
        return (f.anzahl <= longestDrivenRun || f.Option1[0]->isChecked()) && can(f.okstart);
    case K::Abbruch:
        return can(f.okabbrechen);
    case K::Import:
        return can(f.okextern);
    case K::PickFile:
        return can(f.File1) && !f.File1->findItems(a.name, Qt::MatchExactly).isEmpty();
    case K::OpenDir:
        return can(f.Dir1) && targets::directory(f, a.name) != nullptr;
    case K::Drive:
        return can(f.Drive1);
    case K::Paste:
        return can(f.textanzahl);
    case K::CloseStatistics:
        return targets::statisticsWindow(f) != nullptr;
    case K::ImportOk:
        return can(f.okexternok);
    case K::ImportAbbr:
        return can(f.okexternabbruch);
    case K::Druck:
        return can(f.okdruck);
    case K::Copy:
        return can(f.okcopy);
    case K::Info:
        return can(f.okinfo);
    case K::ListEntry:
        return can(f.Liste) && a.index < f.Liste->listCount();
    case K::Statistics:
        return can(f.lmenge);
    case K::Ende:
        return can(f.okende);
    case K::Keys:
        return f.isVisible();
    }
    return false;
}
