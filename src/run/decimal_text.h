#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The decimal text of a counter that changes at every spin. The text is
// written alternately into two buffers: the label keeps a shared copy of the
// text it shows, so the other buffer is unshared and is rewritten in place,
// without allocating.
class DecimalText {
  public:
    const QString& operator()(std::int64_t value);

  private:
    std::array<QString, 2> buffers_;
    std::size_t next_ = 0;
};
