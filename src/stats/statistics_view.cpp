#include "stats/statistics_view.h"

#include <QFormLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

struct RowText {
    const char* name; // the value label's object name, for tests and automation
    QString label;
    QString toolTip;
};

const std::array<RowText, StatisticsView::rowCount>& rowTexts() {
    static const std::array<RowText, StatisticsView::rowCount> texts{{
        {"figur", QStringLiteral("Figur:"),
         QStringLiteral("r = Rot, s = Schwarz, . = beliebiger Wurf")},
        {"wuerfe", QStringLiteral("Gezeigte Würfe:"), {}},
        {"gefunden", QStringLiteral("Gefundene Figuren:"),
         QStringLiteral("Die Figuren, die in den gezeigten Würfen beginnen.")},
        {"erwartet", QStringLiteral("Erwartet:"),
         QStringLiteral("So viele Figuren sind in den gezeigten Würfen im Mittel zu erwarten.")},
        {"standardabweichung", QStringLiteral("Standardabweichung:"),
         QStringLiteral("Wie weit die Anzahl der Figuren vom Erwarteten zufällig streut.")},
        {"zwert", QStringLiteral("z-Wert:"),
         QStringLiteral("Abstand der gefundenen von den erwarteten Figuren, in "
                        "Standardabweichungen.")},
        {"abstandBeobachtet", QStringLiteral("Mittlerer Abstand, beobachtet:"),
         QStringLiteral("Von der ersten bis zur letzten gefundenen Figur, im Mittel.")},
        {"abstandErwartet", QStringLiteral("Mittlerer Abstand, erwartet:"), {}},
        {"wartezeit", QStringLiteral("Erwartete Wartezeit bis zur ersten Figur:"),
         QStringLiteral("Würfe bis einschließlich des Wurfs, der die erste Figur vollendet.")},
        {"wahrscheinlichkeit", QStringLiteral("Wahrscheinlichkeit für mindestens eine Figur:"),
         QStringLiteral("In den gezeigten Würfen.")},
    }};
    return texts;
}

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

StatisticsView::StatisticsView(QWidget* parent)
    : QWidget(parent), pages_(new QStackedWidget(this)) {
    pages_->addWidget(buildValues());
    pages_->addWidget(buildHint());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);
}

QWidget* StatisticsView::buildValues() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->setLabelAlignment(Qt::AlignLeft);
    // Wide enough for a long run's figures, so the window keeps its size
    // while the values grow.
    const int valueWidth = fontMetrics().horizontalAdvance(QStringLiteral("99.999.999,99 Würfe"));
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const RowText& text = rowTexts()[i];
        auto* value = new QLabel(page);
        value->setObjectName(QString::fromLatin1(text.name));
        value->setMinimumWidth(valueWidth);
        value->setTextFormat(Qt::PlainText);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setToolTip(text.toolTip);
        auto* label = new QLabel(text.label, page);
        // Assistive tools read the value's text as its name and find its
        // caption through the buddy, as "labelled by".
        label->setBuddy(value);
        label->setToolTip(text.toolTip);
        form->addRow(label, value);
        values_[i] = value;
    }
    auto* note = wrappedLabel(QStringLiteral("Gezählt werden die Figuren, die in den gezeigten "
                                             "Würfen beginnen. Eine Null bricht die Figur."),
                              page);
    note->setObjectName(QStringLiteral("hinweis"));
    note->setForegroundRole(QPalette::PlaceholderText);
    form->addRow(note);
    return page;
}

QLabel* StatisticsView::buildHint() {
    auto* hint = wrappedLabel(QStringLiteral("Es ist keine Figur aktiv.\n\nZeichnen Sie im Raster "
                                             "eine Figur und übernehmen Sie sie mit „OK“. "
                                             "Dann zeigt dieses Fenster, wie oft sie im Lauf "
                                             "vorkommt und wie oft sie zu erwarten ist."),
                              this);
    hint->setObjectName(QStringLiteral("keineFigur"));
    hint->setAlignment(Qt::AlignCenter);
    return hint;
}

void StatisticsView::setValue(Row row, const QString& text) {
    values_[static_cast<std::size_t>(row)]->setText(text);
}

void StatisticsView::showFigure(bool active) {
    pages_->setCurrentIndex(active ? 0 : 1);
}
