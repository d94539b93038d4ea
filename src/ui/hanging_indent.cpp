#include "ui/hanging_indent.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

void indentListItems(QTextDocument& document) {
    static const QRegularExpression marker(QStringLiteral("^([0-9]+\\.|-) "));
    const QFontMetricsF metrics(document.defaultFont());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const auto match = marker.match(block.text());
        if (!match.hasMatch()) {
            continue;
        }
        const qreal width = metrics.horizontalAdvance(match.captured());
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(width);
        format.setTextIndent(-width);
        QTextCursor(block).setBlockFormat(format);
    }
}
