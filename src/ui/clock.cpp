#include "ui/clock.h"

#include "ui/german_numbers.h"

namespace sorvik1 {

QString reportDate(const QDate& date) {
    return germannumbers::locale().toString(date, QLocale::ShortFormat);
}

} // namespace sorvik1
