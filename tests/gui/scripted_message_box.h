#pragma once

#include "ui/message_box.h"

#include <QString>

#include <deque>
#include <vector>

// Answers message boxes from a script and records every box shown.
class ScriptedMessageBox : public MessageBox {
  public:
    struct Shown {
        QString prompt;
        int style;
        QString title;
    };

    // Answers given in order; when they run out, the first button's code.
    std::deque<int> answers;
    std::vector<Shown> shown;

    int show(QWidget*, const QString& prompt, int style, const QString& title) override {
        shown.push_back({prompt, style, title});
        if (!answers.empty()) {
            const int a = answers.front();
            answers.pop_front();
            return a;
        }
        return style == msgstyle::yesNoAsk || style == msgstyle::yesNoCancelAsk ? answer::yes
                                                                                : answer::ok;
    }
};
