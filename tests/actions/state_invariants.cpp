// The shared state variables: bounds, whole numbers, the active figure and
// the loaded permanence.
#include "invariants.h"

#include "core/wheel/limits.h"
#include "permanence_folder.h"
#include "session.h"
#include "ui/list_box.h"

#include <cmath>

namespace {

bool whole(double v) {
    return std::isfinite(v) && v == std::floor(v);
}

void checkFigure(const Session& s, Findings& out) {
    const Form1& f = s.form;
    bool codes = f.figur[0] == 0;
    for (const sorvik1::Farbcode c : f.figur) {
        codes = codes && c >= 0 && c <= 2;
    }
    out.expect(codes, QStringLiteral("figur holds only colour codes, position 0 free"));
    out.expect((f.figanfang == 0) == (f.figende == 0),
               QStringLiteral("figanfang and figende are both 0 or both set"));
    if (f.figanfang == 0) {
        bool empty = true;
        for (const sorvik1::Farbcode c : f.figur) {
            empty = empty && c == 0;
        }
        out.expect(empty, QStringLiteral("without an active figure figur is empty"));
        return;
    }
    const bool ordered =
        1 <= f.figanfang && f.figanfang <= f.figende && f.figende <= sorvik1::maxFigureSpan;
    out.expect(ordered, QStringLiteral("1 <= figanfang <= figende <= 20"));
    if (!ordered) {
        return;
    }
    bool fits = f.figur[static_cast<std::size_t>(f.figanfang)] != 0 &&
                f.figur[static_cast<std::size_t>(f.figende)] != 0;
    for (int p = 1; p <= sorvik1::maxFigureSpan; ++p) {
        if (p < f.figanfang || p > f.figende) {
            fits = fits && f.figur[static_cast<std::size_t>(p)] == 0;
        }
    }
    out.expect(fits, QStringLiteral("figanfang and figende are the first and last marked "
                                    "positions of figur"));
    out.expect(s.activeFigure && *s.activeFigure == f.figur,
               QStringLiteral("the active figure is the one activated, unchanged"));
}

void checkPermanence(const Session& s, Findings& out) {
    const Form1& f = s.form;
    if (f.importiert != 1) {
        return;
    }
    out.expect(s.loaded != nullptr, QStringLiteral("importiert is 1 only after a file loaded"));
    const std::size_t margin = 1 + sorvik1::maxFigureSpan;
    out.expect(whole(f.importanzahl) && f.permanenz.size() == f.importanzahl + margin,
               QStringLiteral("permanenz holds importanzahl spins and the margins"));
    out.expect(f.anzahl <= f.importanzahl,
               QStringLiteral("an imported run has no more spins than were loaded"));
    if (!s.loaded || !s.loaded->spins || f.permanenz.size() < margin) {
        return;
    }
    const std::vector<double>& spins = *s.loaded->spins;
    bool same = f.permanenz.size() == spins.size() + margin && f.permanenz.front() == 0;
    for (std::size_t k = 0; same && k < spins.size(); ++k) {
        same = f.permanenz[k + 1] == spins[k];
    }
    for (std::size_t k = spins.size() + 1; same && k < f.permanenz.size(); ++k) {
        same = f.permanenz[k] == 0;
    }
    out.expect(same, QStringLiteral("permanenz holds the file's numbers in order, zeros around"));
}

} // namespace

void checkState(const Session& s, Findings& out) {
    const Form1& f = s.form;
    out.expect(whole(f.anzahl) && whole(f.wurf) && whole(f.figbeiwurf),
               QStringLiteral("anzahl, wurf and figbeiwurf hold whole numbers"));
    out.expect(0 <= f.wurf && f.wurf <= f.anzahl, QStringLiteral("0 <= wurf <= anzahl"));
    out.expect(f.anzahl <= static_cast<double>(sorvik1::maxSpins),
               QStringLiteral("anzahl stays within the largest run"));
    out.expect(f.gestartet == 0 || f.gestartet == 1, QStringLiteral("gestartet is 0 or 1"));
    out.expect(f.importiert == 0 || f.importiert == 1, QStringLiteral("importiert is 0 or 1"));
    out.expect(f.zahl >= 0 && f.zahl <= 36, QStringLiteral("zahl is a roulette number"));
    out.expect(f.farbe == sorvik1::wheelColours(), QStringLiteral("farbe never changes"));
    checkFigure(s, out);
    checkPermanence(s, out);

    if (f.gestartet == 0) {
        out.expect(f.wurf == 0 && f.figbeiwurf == 0,
                   QStringLiteral("before a run no spin is shown and no halt is pending"));
    } else {
        out.expect(f.figanfang != 0 && f.anzahl >= 1,
                   QStringLiteral("a prepared run has a figure and at least one spin"));
        out.expect(f.zahlen.size() == f.anzahl + 1 + sorvik1::maxFigureSpan,
                   QStringLiteral("zahlen holds the run's spins and the margins"));
    }
    if (f.figbeiwurf != 0) {
        const int count = f.Liste->listCount();
        const double last = count > 0 ? f.Liste->list(count - 1).toDouble() : 0;
        out.expect(count > 0 && last + (f.figende - f.figanfang) == f.figbeiwurf &&
                       f.figbeiwurf <= f.anzahl,
                   QStringLiteral("a pending halt is the last spin of the latest occurrence"));
    }
}
