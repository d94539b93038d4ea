#include "run/spin_count_validator.h"

#include "core/intake/spin_count.h"

QValidator::State SpinCountValidator::validate(QString& input, int&) const {
    const QByteArray utf8 = input.toUtf8();
    const bool tooLarge = sorvik1::exceedsMaxSpins(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    return tooLarge ? Invalid : Acceptable;
}
