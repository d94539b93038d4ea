#pragma once

#include <QString>

#include <cstdint>

// The decimal text of a counter that changes at every spin, rewritten in
// place in one buffer, so that showing a count allocates nothing. A counter
// that went up by one has its last digits counted up instead of being
// formatted anew. The label that shows the text copies the characters.
class DecimalText {
  public:
    const QString& operator()(std::int64_t value);
    // The leading-number value of a caption, known without reading it when
    // the caption is this counter's text.
    double valueOf(const QString& caption) const;

  private:
    bool countUp();
    void format(std::int64_t value);

    QString text_;
    std::int64_t value_ = 0;
};
