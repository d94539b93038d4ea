#pragma once

#include <QString>

class QWidget;

// Answer codes of a message box.
namespace answer {
inline constexpr int ok = 1;
inline constexpr int cancel = 2;
inline constexpr int yes = 6;
inline constexpr int no = 7;
} // namespace answer

// Style values: buttons plus icon.
namespace msgstyle {
inline constexpr int critical = 16;       // OK, critical icon
inline constexpr int yesNoCancelAsk = 35; // Yes, No, Cancel, question icon
inline constexpr int yesNoAsk = 36;       // Yes, No, question icon
inline constexpr int information = 64;    // OK, information icon
} // namespace msgstyle

// The modal message box, behind a seam so that tests answer it.
class MessageBox {
  public:
    virtual ~MessageBox() = default;
    // Shows the prompt and returns the answer code of the button pressed.
    virtual int show(QWidget* parent, const QString& prompt, int style, const QString& title) = 0;
};

// The real, modal message box with German buttons; the first is the default.
class QtMessageBox : public MessageBox {
  public:
    int show(QWidget* parent, const QString& prompt, int style, const QString& title) override;
};
