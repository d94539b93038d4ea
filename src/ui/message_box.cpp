#include "ui/message_box.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

int QtMessageBox::show(QWidget* parent, const QString& prompt, int style, const QString& title) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(prompt);
    std::vector<std::pair<QString, int>> buttons;
    switch (style) {
    case msgstyle::yesNoCancelAsk:
        box.setIcon(QMessageBox::Question);
        buttons = {{QStringLiteral("&Ja"), answer::yes},
                   {QStringLiteral("&Nein"), answer::no},
                   {QStringLiteral("Abbrechen"), answer::cancel}};
        break;
    case msgstyle::yesNoAsk:
        box.setIcon(QMessageBox::Question);
        buttons = {{QStringLiteral("&Ja"), answer::yes}, {QStringLiteral("&Nein"), answer::no}};
        break;
    case msgstyle::information:
        box.setIcon(QMessageBox::Information);
        buttons = {{QStringLiteral("OK"), answer::ok}};
        break;
    default:
        box.setIcon(QMessageBox::Critical);
        buttons = {{QStringLiteral("OK"), answer::ok}};
        break;
    }
    const QMessageBox::ButtonRole roles[] = {QMessageBox::YesRole, QMessageBox::NoRole,
                                             QMessageBox::RejectRole};
    std::vector<QPushButton*> added;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const auto role = buttons.size() == 1 ? QMessageBox::AcceptRole : roles[i];
        added.push_back(box.addButton(buttons[i].first, role));
    }
    box.setDefaultButton(added.front());
    box.setEscapeButton(added.back());
    box.exec();
    for (std::size_t i = 0; i < added.size(); ++i) {
        if (box.clickedButton() == added[i]) {
            return buttons[i].second;
        }
    }
    return buttons.back().second;
}
