#pragma once

#include <QString>
#include <QStringList>

class Session;

// Collects the rules found broken, each as a sentence.
class Findings {
  public:
    void expect(bool kept, const QString& rule) {
        if (!kept) {
            broken << rule;
        }
    }
    QStringList broken;
};

// Every rule the trainer keeps whatever the user did before; the ones broken
// now. Each group is checked by a function of its own.
QStringList brokenInvariants(Session& session);

void checkState(const Session& session, Findings& findings);
void checkControls(const Session& session, Findings& findings);
void checkFigureGrid(const Session& session, Findings& findings);
void checkRun(const Session& session, Findings& findings);
