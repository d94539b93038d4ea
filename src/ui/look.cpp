#include "ui/look.h"

#include <QStringList>

namespace look {

QFont font(double points, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                   QStringLiteral("Sans Serif")});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace look
