#include "ui/clock.h"

#include <QLocale>

namespace sorvik1 {

QString reportDate(const QDate& date) {
    return QLocale(QLocale::German).toString(date, QLocale::ShortFormat);
}

} // namespace sorvik1
