#include "stats/run_snapshot.h"

#include "app/form1.h"
#include "ui/list_box.h"

namespace {

std::int64_t spinOfEntry(const ListBox& list, int index) {
    return list.list(index).toLongLong();
}

} // namespace

RunSnapshot snapshotOf(const Form1& form) {
    RunSnapshot snapshot;
    snapshot.figure = sorvik1::Figure::fromGrid(form.figur, form.figanfang, form.figende);
    auto& count = snapshot.count;
    count.shown = static_cast<std::int64_t>(form.wurf);
    count.runSpins = static_cast<std::int64_t>(form.anzahl);
    // Each listed entry is one occurrence, the start spin as its text.
    const ListBox& list = *form.Liste;
    count.occurrences = list.listCount();
    if (count.occurrences > 0) {
        count.firstStart = spinOfEntry(list, 0);
        count.lastStart = spinOfEntry(list, list.listCount() - 1);
    }
    return snapshot;
}
