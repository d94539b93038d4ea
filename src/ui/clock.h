#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace sorvik1 {

// The time of day as the window sees it; tests set their own.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
  public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A date in the short German form the report prints ("03.02.24").
QString reportDate(const QDate& date);

} // namespace sorvik1
