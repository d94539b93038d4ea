#pragma once

#include <QApplication>
#include <QString>

// The program's application object. An exception that escapes a handler is
// caught where the event loop delivered the event and answered by the window
// it happened in, so a failed action, even for lack of memory, never ends
// the program.
class Application : public QApplication {
  public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Why an action could not be completed, for the " Fehler" box.
QString actionFailureText(bool outOfMemory);
