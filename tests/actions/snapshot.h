#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class Form1;

// The trainer's state that an action may change, each part as a named text,
// so that two snapshots can say which parts differ.
class Snapshot {
  public:
    static Snapshot of(const Form1& form);

    // The parts that differ from `other`, each with both values, leaving out
    // `ignored`; with `only` given, just those parts.
    QStringList differences(const Snapshot& other, const QStringList& ignored = {},
                            const QStringList& only = {}) const;

  private:
    std::vector<std::pair<QString, QString>> parts_;
};
