#include "app/form1.h"

#include "app/reserving_phase.h"
#include "core/system/allocation_seam.h"
#include "core/text/text_encoding.h"
#include "core/wheel/limits.h"
#include "import/permanence_load.h"
#include "ui/caption_label.h"
#include "ui/dir_list.h"
#include "ui/file_list.h"
#include "ui/message_box.h"
#include "ui/text_box.h"

#include <QGroupBox>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace {

QString headerText(const std::string& item) {
    return QString::fromStdString(sorvik1::fileTextToUtf8(item));
}

// Spin k of the file at index k; index 0 and the look-ahead margin of the
// figure test after the last spin read as 0.
std::vector<double> spinStore(const std::vector<double>& spins) {
    sorvik1::announceAllocation((spins.size() + sorvik1::maxFigureSpan + 1) * sizeof(double));
    std::vector<double> store(spins.size() + sorvik1::maxFigureSpan + 1, 0.0);
    std::copy(spins.begin(), spins.end(), store.begin() + 1);
    return store;
}

} // namespace

// The file is read and checked whole before anything changes, so a file that
// is refused leaves the window as it was and the frame open for another choice.
// `importanzahl` too keeps describing the permanence that is held. Too little
// memory for the file or its store is such a refusal too.
void Form1::okexternok_Click() {
    ReservingPhase reserving(failedUnchanged_);
    const PermanenceLoad load = loadPermanence(Dir1->path(), File1->fileName());
    if (!load.refusal.isEmpty()) {
        MsgBox(load.refusal, msgstyle::critical, QStringLiteral(" Fehler"));
        return;
    }
    if (!load.permanence) {
        return;
    }
    const sorvik1::Permanence& permanence = *load.permanence;
    std::vector<double> store = spinStore(permanence.spins);
    reserving.commit();

    text->setCaption(headerText(permanence.header[0]) + QChar(13));
    text->setCaption(text->caption() + headerText(permanence.header[1]) + QChar(13));
    text->setCaption(text->caption() + headerText(permanence.header[2]));
    importanzahl = static_cast<double>(permanence.spins.size());
    anzahl = importanzahl;
    textanzahl->setText(QString::number(permanence.spins.size()));
    importiert = 1;
    permanenz = std::move(store);
    Frame1->setVisible(false);
    okextern->setEnabled(false);
    okabbrechen->setEnabled(true);
}
