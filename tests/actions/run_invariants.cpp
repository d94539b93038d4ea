// The permanence grid and the occurrence list against the run's numbers,
// with the occurrences counted afresh.
#include "invariants.h"

#include "core/wheel/colour.h"
#include "core/wheel/roulette_number.h"
#include "occurrences.h"
#include "permanence_folder.h"
#include "session.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"

#include <cstdlib>

namespace {

// A long grid is checked in part: its ends, the rows around the current
// spin and a stride of rows that moves with every action. The shown spins'
// numbers are read whole all the same, for the recount.
bool sampled(const Session& s, int row, int rows) {
    constexpr int wholeUpTo = 500;
    const int current = static_cast<int>(s.form.wurf);
    return rows <= wholeUpTo || row < 50 || row >= rows - 50 || std::abs(row - current) < 100 ||
           (row + s.step) % 97 == 0;
}

bool emptyCell(const FlexGrid& g, int row, int col) {
    return g.textAt(row, col).isEmpty() && g.cellBackColorAt(row, col) == 0;
}

// The cell colours of a shown spin: red in column 1, black in column 2, the
// zero in both.
bool coloured(const FlexGrid& g, int row, int number) {
    const sorvik1::Farbcode c = sorvik1::wheelColours()[static_cast<std::size_t>(number)];
    const std::uint32_t red = number == 0 ? sorvik1::cellZero : c == 1 ? sorvik1::cellRed : 0;
    const std::uint32_t black = number == 0 ? sorvik1::cellZero : c == 2 ? sorvik1::cellBlack : 0;
    return g.cellBackColorAt(row, 1) == red && g.cellBackColorAt(row, 2) == black &&
           g.textAt(row, 1).isEmpty() && g.textAt(row, 2).isEmpty() && emptyCell(g, row, 3);
}

// The numbers of the shown spins, read from the grid; -1 where a row shows none.
std::vector<int> shownNumbers(const Session& s, Findings& out) {
    const Form1& f = s.form;
    const FlexGrid& g = *f.tabelle2;
    const int shownRows = static_cast<int>(f.wurf);
    const std::vector<double>* file =
        f.importiert == 1 && s.loaded && s.loaded->spins ? &*s.loaded->spins : nullptr;
    std::vector<int> numbers;
    bool readable = true;
    bool colours = true;
    bool stored = true;
    bool fromFile = true;
    for (int r = 0; r < shownRows; ++r) {
        bool ok = false;
        const QString text = g.textAt(r, 4);
        int number = text.toInt(&ok);
        if (!ok || number < 0 || number > 36 || QString::number(number) != text) {
            readable = false;
            number = -1;
        } else {
            colours = colours && coloured(g, r, number);
        }
        stored = stored && number == storedNumber(f, r + 1);
        if (file) {
            fromFile = fromFile && static_cast<std::size_t>(r) < file->size() &&
                       number == sorvik1::rouletteNumber((*file)[static_cast<std::size_t>(r)]);
        }
        numbers.push_back(number);
    }
    out.expect(readable, QStringLiteral("every shown spin shows a number 0 .. 36"));
    out.expect(colours, QStringLiteral("every shown spin's cells carry its number's colour"));
    out.expect(stored, QStringLiteral("every shown spin shows the run's number of that spin"));
    out.expect(fromFile, QStringLiteral("an imported run shows the file's numbers in order"));
    return numbers;
}

void checkRows(const Session& s, Findings& out) {
    const Form1& f = s.form;
    const FlexGrid& g = *f.tabelle2;
    const int rows = g.rows();
    const int cols = g.cols();
    const int shownRows = static_cast<int>(f.wurf);
    bool labels = true;
    bool unshown = true;
    for (int r = 0; r < rows; ++r) {
        if (!sampled(s, r, rows)) {
            continue;
        }
        labels = labels && g.textAt(r, 0) == QString::number(r + 1) && g.cellBackColorAt(r, 0) == 0;
        if (r >= shownRows) {
            for (int c = 1; c < cols; ++c) {
                unshown = unshown && emptyCell(g, r, c);
            }
        }
    }
    out.expect(labels, QStringLiteral("each row of the run is labelled with its spin"));
    out.expect(unshown, QStringLiteral("rows of spins not shown yet are empty"));
}

void checkOccurrences(const Session& s, const std::vector<int>& shown, Findings& out) {
    const Form1& f = s.form;
    std::vector<std::int64_t> listed;
    bool plain = true;
    for (int i = 0; i < f.Liste->listCount(); ++i) {
        const QString entry = f.Liste->list(i);
        bool ok = false;
        const qlonglong spin = entry.toLongLong(&ok);
        plain = plain && ok && QString::number(spin) == entry;
        listed.push_back(spin);
    }
    out.expect(plain, QStringLiteral("Liste holds plain spin numbers"));
    const std::vector<std::int64_t> starts = figureStarts(f, shown);
    out.expect(listed == starts,
               QStringLiteral("Liste holds exactly the starts of the figure up to wurf, in "
                              "order (listed %1, counted %2)")
                   .arg(listed.size())
                   .arg(starts.size()));
}

void checkCleared(const Session& s, Findings& out) {
    const Form1& f = s.form;
    const FlexGrid& g = *f.tabelle2;
    bool cleared = true;
    const int rows = g.rows();
    const int cols = g.cols();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols && sampled(s, r, rows); ++c) {
            cleared = cleared && emptyCell(g, r, c);
        }
    }
    out.expect(cleared, QStringLiteral("without a prepared run the permanence grid is empty"));
    out.expect(f.Liste->listCount() == 0, QStringLiteral("without a prepared run Liste is empty"));
}

} // namespace

void checkRun(const Session& s, Findings& out) {
    const Form1& f = s.form;
    const FlexGrid& g = *f.tabelle2;
    out.expect(g.cols() == 5, QStringLiteral("the permanence grid keeps 5 columns"));
    if (f.gestartet == 0) {
        checkCleared(s, out);
        return;
    }
    const bool sized = g.rows() == f.anzahl + 1;
    out.expect(sized, QStringLiteral("the permanence grid has a row per spin and one more"));
    if (!sized || g.cols() != 5 || f.wurf > f.anzahl) {
        return;
    }
    const std::vector<int> shown = shownNumbers(s, out);
    checkRows(s, out);
    checkOccurrences(s, shown, out);
}
