#pragma once

#include <QString>

#include <cstdint>

// The decimal text of a counter that changes at every spin, rewritten in
// place in one buffer, so that showing a count allocates nothing. The label
// that shows it copies the characters.
class DecimalText {
  public:
    const QString& operator()(std::int64_t value);

  private:
    QString text_;
};
