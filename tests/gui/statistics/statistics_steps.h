#pragma once

#include "window_fixture.h"

#include "stats/statistics_window.h"
#include "ui/caption_label.h"
#include "ui/list_box.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <ostream>
#include <string>
#include <vector>

// A run as the trainer holds it: the active figure drawn from grid position
// `anfang` on ("r" red, "s" black, "." free), the spins shown of the run and
// the start spins listed so far.
struct RunState {
    std::string name;
    std::string figure;
    int anfang = 1;
    double wurf = 0;
    double anzahl = 0;
    std::vector<int> starts;
};

inline void PrintTo(const RunState& run, std::ostream* os) {
    *os << run.name;
}

// Settings in a folder of their own for the life of a test, so that a
// window's remembered place never leaks from one test into another.
struct OwnSettings {
    OwnSettings() {
        QCoreApplication::setOrganizationName(QStringLiteral("Sorvik1-Test"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QSettings().clear();
    }
    QTemporaryDir folder;
};

inline void setRun(Form1& form, const RunState& run) {
    form.figur.fill(sorvik1::noColour);
    for (std::size_t i = 0; i < run.figure.size(); ++i) {
        const char c = run.figure[i];
        form.figur[static_cast<std::size_t>(run.anfang) + i] = c == 'r'   ? sorvik1::red
                                                               : c == 's' ? sorvik1::black
                                                                          : sorvik1::noColour;
    }
    form.figanfang = static_cast<std::int16_t>(run.anfang);
    form.figende = static_cast<std::int16_t>(run.anfang + static_cast<int>(run.figure.size()) - 1);
    form.wurf = run.wurf;
    form.anzahl = run.anzahl;
    for (const int start : run.starts) {
        form.Liste->addItem(QString::number(start));
    }
    form.lmenge->setCaption(run.starts.empty() ? QString() : QString::number(run.starts.size()));
}

// The entries of the menu that a right-click on the count opens. The click
// goes to the window, as the system delivers it, so that the toolkit turns
// it into a context-menu request the way it does for a real mouse.
inline QStringList rightClickMenu(Form1& form) {
    const QPoint centre = form.lmenge->mapTo(&form, form.lmenge->rect().center());
    QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, centre);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QStringList entries;
    if (menu) {
        for (const QAction* action : menu->actions()) {
            entries << action->text();
        }
    }
    return entries;
}

// Opens the statistics as the user does: a right-click on the count, then
// its first menu entry.
inline StatisticsWindow* openStatistics(Form1& form) {
    if (rightClickMenu(form).value(0) != QStringLiteral("Statistik …")) {
        return nullptr;
    }
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    menu->actions().front()->trigger();
    menu->close();
    return form.findChild<StatisticsWindow*>();
}

inline QString shown(const StatisticsWindow& window, const char* value) {
    const auto* label = window.findChild<QLabel*>(QString::fromLatin1(value));
    return label ? label->text() : QStringLiteral("(kein Feld %1)").arg(QLatin1String(value));
}

// The exact first-occurrence figures are worked out aside; waits for them.
inline bool waitForFirstOccurrence(const StatisticsWindow& window) {
    return QTest::qWaitFor([&] {
        return !shown(window, "wartezeit").startsWith(QStringLiteral("wird")) &&
               !shown(window, "wahrscheinlichkeit").startsWith(QStringLiteral("wird"));
    });
}
