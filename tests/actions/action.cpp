#include "action.h"

#include "ui/message_box.h"

#include <QKeySequence>
#include <QStringList>

#include <cstdlib>

namespace {

QString answerName(int code) {
    switch (code) {
    case answer::ok:
        return QStringLiteral("OK");
    case answer::cancel:
        return QStringLiteral("Cancel");
    case answer::yes:
        return QStringLiteral("Yes");
    case answer::no:
        return QStringLiteral("No");
    }
    return QString::number(code);
}

QString answered(const QString& what, const std::vector<int>& answers) {
    if (answers.empty()) {
        return what;
    }
    QStringList names;
    for (const int a : answers) {
        names << answerName(a);
    }
    return what + QStringLiteral(", answering ") + names.join(QStringLiteral(", "));
}

QString printed(const QString& what, const Action& action) {
    static const char* const outcomes[] = {"printed", "saved as PDF", "failed"};
    QString text = answered(what, action.answers);
    const int reply = action.answers.empty() ? answer::no : action.answers.front();
    if (reply == answer::cancel) {
        return text;
    }
    if (reply == answer::yes) {
        text += action.print.setupAccepted ? QStringLiteral(", set-up accepted")
                                           : QStringLiteral(", set-up cancelled");
    }
    text += QStringLiteral(", page ") +
            QString::fromLatin1(outcomes[static_cast<int>(action.print.outcome)]);
    return action.print.realPdf ? text + QStringLiteral(" (real PDF)") : text;
}

QString caretName(Action::Caret caret) {
    switch (caret) {
    case Action::Caret::Click:
        return QStringLiteral("at the click");
    case Action::Caret::End:
        return QStringLiteral("after End");
    case Action::Caret::Home:
        return QStringLiteral("after Home");
    case Action::Caret::SelectAll:
        return QStringLiteral("after Ctrl+A");
    }
    return {};
}

} // namespace

QString describe(const Action& a) {
    using K = Action::Kind;
    switch (a.kind) {
    case K::FigureCell:
        return QStringLiteral("click figure cell row %1 col %2").arg(a.row).arg(a.col);
    case K::Setzen:
        return QStringLiteral("Setzen");
    case K::Absetzen:
        return QStringLiteral("Absetzen");
    case K::FigureOk:
        return answered(QStringLiteral("OK (figure)"), a.answers);
    case K::Reset:
        return QStringLiteral("Reset");
    case K::Type:
        return QStringLiteral("type \"%1\" into the count %2").arg(a.text, caretName(a.caret));
    case K::Erase:
        return QStringLiteral("Backspace %1 times at the end of the count").arg(a.count);
    case K::Mode:
        return QStringLiteral("choose mode %1").arg(a.index);
    case K::Start:
        return QStringLiteral("Start/Weiter");
    case K::Abbruch:
        return answered(QStringLiteral("Abbruch"), a.answers);
    case K::Import:
        return QStringLiteral("Import");
    case K::PickFile:
        return QStringLiteral("click file \"%1\"").arg(a.name);
    case K::OpenDir:
        return QStringLiteral("open directory \"%1\"").arg(a.name);
    case K::ImportOk:
        return answered(QStringLiteral("OK (import)"), a.answers);
    case K::ImportAbbr:
        return QStringLiteral("Abbr.");
    case K::Druck:
        return printed(QStringLiteral("Druck"), a);
    case K::Copy:
        return printed(QStringLiteral("Copy"), a);
    case K::Info:
        return QStringLiteral("Info");
    case K::ListEntry:
        return QStringLiteral("click list entry %1").arg(a.index);
    case K::Statistics:
        return QStringLiteral("right-click the count, Statistik");
    case K::CloseStatistics:
        return QStringLiteral("Escape in the statistics window");
    case K::Drive:
        return QStringLiteral("press %1 %2 times on the drive list")
            .arg(a.count > 0 ? QStringLiteral("Down") : QStringLiteral("Up"))
            .arg(std::abs(a.count));
    case K::Paste:
        return QStringLiteral("paste \"%1\" into the count %2")
            .arg(QString(a.text).replace(QChar('\n'), QStringLiteral("\\n")), caretName(a.caret));
    case K::Ende:
        return answered(QStringLiteral("Ende"), a.answers);
    case K::Keys: {
        QStringList names;
        for (const int key : a.keys) {
            names << QKeySequence(QKeyCombination::fromCombined(key)).toString();
        }
        return answered(
            QStringLiteral("press %1, type \"%2\"").arg(names.join(QStringLiteral(" ")), a.text),
            a.answers);
    }
    }
    return {};
}
