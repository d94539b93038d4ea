#include "snapshot.h"

#include "app/form1.h"
#include "ui/caption_label.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"
#include "ui/text_box.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace {

QString number(double value) {
    return QString::number(value, 'g', 17);
}

QString figure(const Form1& f) {
    QString colours;
    for (const sorvik1::Farbcode c : f.figur) {
        colours += QString::number(c);
    }
    return colours;
}

QString flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

Snapshot Snapshot::of(const Form1& f) {
    Snapshot s;
    s.parts_ = {
        {QStringLiteral("anzahl"), number(f.anzahl)},
        {QStringLiteral("wurf"), number(f.wurf)},
        {QStringLiteral("figbeiwurf"), number(f.figbeiwurf)},
        {QStringLiteral("importanzahl"), number(f.importanzahl)},
        {QStringLiteral("importiert"), number(f.importiert)},
        {QStringLiteral("gestartet"), number(f.gestartet)},
        {QStringLiteral("figanfang"), number(f.figanfang)},
        {QStringLiteral("figende"), number(f.figende)},
        {QStringLiteral("zahl"), number(f.zahl)},
        {QStringLiteral("figur"), figure(f)},
        {QStringLiteral("permanenz size"), number(static_cast<double>(f.permanenz.size()))},
        {QStringLiteral("zahlen size"), number(static_cast<double>(f.zahlen.size()))},
        {QStringLiteral("text"), f.text->caption()},
        {QStringLiteral("lakut"), f.lakut->caption()},
        {QStringLiteral("lzahl"), f.lzahl->caption()},
        {QStringLiteral("lmenge"), f.lmenge->caption()},
        {QStringLiteral("textanzahl"), f.textanzahl->text()},
        {QStringLiteral("Liste count"), number(f.Liste->listCount())},
        {QStringLiteral("tabelle2 rows"), number(f.tabelle2->rows())},
        {QStringLiteral("okstart caption"), f.okstart->text()},
        {QStringLiteral("okinfo caption"), f.okinfo->text()},
        {QStringLiteral("infotext"), f.infotext->toPlainText()},
        {QStringLiteral("mode"), flag(f.Option1[0]->isChecked()) + flag(f.Option1[1]->isChecked()) +
                                     flag(f.Option1[2]->isChecked())},
    };
    const std::pair<const char*, const QWidget*> switches[] = {
        {"okstart", f.okstart},         {"okabbrechen", f.okabbrechen},
        {"okdruck", f.okdruck},         {"okextern", f.okextern},
        {"okfigok", f.okfigok},         {"okfigsetz", f.okfigsetz},
        {"okfigabsetz", f.okfigabsetz}, {"okexternok", f.okexternok},
        {"textanzahl", f.textanzahl},
    };
    for (const auto& [name, widget] : switches) {
        s.parts_.emplace_back(QString::fromLatin1(name) + QStringLiteral(" enabled"),
                              flag(widget->isEnabled()));
    }
    const std::pair<const char*, const QWidget*> shown[] = {{"zudeck1", f.zudeck1},
                                                            {"zudeck2", f.zudeck2},
                                                            {"Frame1", f.Frame1},
                                                            {"infotext", f.infotext}};
    for (const auto& [name, widget] : shown) {
        s.parts_.emplace_back(QString::fromLatin1(name) + QStringLiteral(" shown"),
                              flag(widget->isVisibleTo(&f)));
    }
    return s;
}

QStringList Snapshot::differences(const Snapshot& other, const QStringList& ignored,
                                  const QStringList& only) const {
    QStringList names;
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        const auto& [name, value] = parts_[i];
        const bool asked = only.isEmpty() ? !ignored.contains(name) : only.contains(name);
        if (value != other.parts_[i].second && asked) {
            names << QStringLiteral("%1 (%2 -> %3)").arg(name, value, other.parts_[i].second);
        }
    }
    return names;
}
