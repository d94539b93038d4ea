// The strategy window's controls and their layout.
#include "strategie/journal_model.h"
#include "strategie/session_model.h"
#include "strategie/strategy_charts.h"
#include "strategie/strategy_window.h"
#include "ui/chance_choice.h"
#include "ui/window_parts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// A field for a whole amount, named for screen readers by its label.
QLineEdit* amountField(const char* name, const QString& description, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setToolTip(description);
    field->setAccessibleDescription(description);
    field->setMaximumWidth(110);
    return field;
}

QLabel* buddy(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    field->setAccessibleName(QString(text).remove(QChar('&')).remove(QChar(':')));
    return label;
}

QRadioButton* radio(const QString& text, const char* name, QButtonGroup* group, QWidget* parent) {
    auto* created = new QRadioButton(text, parent);
    created->setObjectName(QString::fromLatin1(name));
    group->addButton(created);
    return created;
}

QTableView* tableView(const char* name, const QString& accessibleName, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setAccessibleName(accessibleName);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    return view;
}

} // namespace

QWidget* StrategyWindow::buildPlan() {
    auto* box = new QGroupBox(QStringLiteral("Plan"), this);
    auto* layout = new QVBoxLayout(box);
    figureLabel = new QLabel(box);
    figureLabel->setObjectName(QStringLiteral("figur"));
    figureLabel->setWordWrap(true);
    figureLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(figureLabel);

    auto* grid = new QGridLayout();
    plan = new QComboBox(box);
    plan->setObjectName(QStringLiteral("plan"));
    plan->addItems({QStringLiteral("Masse égale"), QStringLiteral("Martingale"),
                    QStringLiteral("d'Alembert"), QStringLiteral("Paroli"),
                    QStringLiteral("Eigene Reihe")});
    plan->setToolTip(QStringLiteral(
        "Masse égale: immer der Grundeinsatz. Martingale: nach jedem Verlust verdoppelt. "
        "d'Alembert: eine Einheit mehr nach einem Verlust, eine weniger nach einem Gewinn. "
        "Paroli: nach jedem Gewinn verdoppelt, bis zur letzten Stufe. Eigene Reihe: nach einem "
        "Verlust der nächste Einsatz der Reihe, nach einem Gewinn der erste."));
    paroliStages = new QSpinBox(box);
    paroliStages->setObjectName(QStringLiteral("stufen"));
    paroliStages->setRange(1, sorvik1::maxParoliStages);
    paroliStages->setValue(3);
    paroliStages->setToolTip(QStringLiteral("Nach so vielen Gewinnen in Folge beginnt Paroli "
                                            "wieder beim Grundeinsatz."));
    series = amountField("reihe",
                         QStringLiteral("Die Einsätze als Vielfache des Grundeinsatzes, durch "
                                        "Kommas getrennt, zum Beispiel 1, 2, 4, 8."),
                         box);
    series->setMaximumWidth(QWIDGETSIZE_MAX);
    grid->addWidget(buddy(QStringLiteral("&Plan:"), plan, box), 0, 0);
    grid->addWidget(plan, 0, 1);
    grid->addWidget(buddy(QStringLiteral("Stu&fen:"), paroliStages, box), 0, 2);
    grid->addWidget(paroliStages, 0, 3);
    grid->addWidget(buddy(QStringLiteral("&Reihe:"), series, box), 0, 4);
    grid->addWidget(series, 0, 5, 1, 2);

    base = amountField("einsatz", QStringLiteral("Der Grundeinsatz in Stücken."), box);
    capital = amountField("kapital", QStringLiteral("Das Kapital zu Beginn jeder Sitzung."), box);
    minimum = amountField("minimum",
                          QStringLiteral("Fällt das Kapital darunter, ist es erschöpft. Leer: der "
                                         "Grundeinsatz."),
                          box);
    maximum = amountField("maximum",
                          QStringLiteral("Der höchste Einsatz, den der Tisch annimmt. Leer: keine "
                                         "Grenze."),
                          box);
    target = amountField(
        "ziel", QStringLiteral("Ein Gewinn, mit dem die Sitzung endet. Leer: kein Ziel."), box);
    const auto place = [&](const QString& text, QWidget* field, int row, int column) {
        grid->addWidget(buddy(text, field, box), row, column);
        grid->addWidget(field, row, column + 1);
    };
    place(QStringLiteral("&Einsatz:"), base, 1, 0);
    place(QStringLiteral("&Kapital:"), capital, 1, 2);
    place(QStringLiteral("&Ziel:"), target, 1, 4);
    place(QStringLiteral("M&inimum:"), minimum, 2, 0);
    place(QStringLiteral("Ma&ximum:"), maximum, 2, 2);
    chance = chanceChoice(box);
    place(QStringLiteral("Chance:"), chance, 2, 4);
    grid->setColumnStretch(6, 1);
    layout->addLayout(grid);

    auto* side = new QHBoxLayout();
    auto* sides = new QButtonGroup(box);
    withFigure = radio(QStringLiteral("&mit der Figur"), "mitFigur", sides, box);
    withFigure->setToolTip(QStringLiteral("Auf die Farbe der letzten Position der Figur setzen."));
    againstFigure = radio(QStringLiteral("&gegen die Figur"), "gegenFigur", sides, box);
    againstFigure->setToolTip(QStringLiteral("Auf die andere Farbe setzen."));
    withFigure->setChecked(true);
    auto* zeros = new QButtonGroup(box);
    zeroLoses = radio(QStringLiteral("&Null verliert"), "nullVerliert", zeros, box);
    zeroLoses->setToolTip(QStringLiteral("Fällt die Null, ist der ganze Einsatz verloren."));
    zeroHalved = radio(QStringLiteral("&Teilung bei Null"), "teilung", zeros, box);
    zeroHalved->setToolTip(QStringLiteral("Fällt die Null, geht die Hälfte des Einsatzes "
                                          "verloren."));
    zeroLoses->setChecked(true);
    side->addWidget(withFigure);
    side->addWidget(againstFigure);
    side->addSpacing(24);
    side->addWidget(new QLabel(QStringLiteral("Null beim Einsatz:"), box));
    side->addWidget(zeroLoses);
    side->addWidget(zeroHalved);
    side->addStretch();
    layout->addLayout(side);
    return box;
}

QWidget* StrategyWindow::buildSource() {
    auto* box = new QGroupBox(QStringLiteral("Quelle"), this);
    auto* grid = new QGridLayout(box);
    auto* sources = new QButtonGroup(box);
    randomSource = radio(QStringLiteral("Zufällige Sitz&ungen:"), "zufall", sources, box);
    permanenceSource = radio(QStringLiteral("ge&ladene Permanenz"), "permanenz", sources, box);
    filesSource = radio(QStringLiteral("&Dateien:"), "dateienQuelle", sources, box);
    randomSource->setChecked(true);

    sessionCount = new QSpinBox(box);
    sessionCount->setObjectName(QStringLiteral("sitzungen"));
    sessionCount->setRange(1, 1'000'000);
    sessionCount->setValue(1000);
    sessionCount->setGroupSeparatorShown(true);
    sessionCount->setSuffix(QStringLiteral(" Sitzungen"));
    sessionCount->setAccessibleName(QStringLiteral("Anzahl Sitzungen"));
    lengthCount = new QSpinBox(box);
    lengthCount->setObjectName(QStringLiteral("laenge"));
    lengthCount->setRange(1, 10'000'000);
    lengthCount->setValue(1000);
    lengthCount->setGroupSeparatorShown(true);
    lengthCount->setAccessibleName(QStringLiteral("Länge jeder Sitzung"));
    lengthUnit = new QComboBox(box);
    lengthUnit->setObjectName(QStringLiteral("einheit"));
    lengthUnit->addItems({QStringLiteral("Würfe"), QStringLiteral("Wetten")});
    lengthUnit->setAccessibleName(QStringLiteral("Länge gezählt in"));
    lengthUnit->setToolTip(QStringLiteral(
        "In Wetten gezählt gibt es für Ruin und Ziel oft ein exaktes Ergebnis; in Würfen "
        "gezählt werden sie durch Simulation geschätzt."));
    seed = new QLineEdit(box);
    seed->setObjectName(QStringLiteral("startwert"));
    seed->setMaximumWidth(180);
    seed->setPlaceholderText(QStringLiteral("aus der Uhr"));
    seed->setToolTip(QStringLiteral("Derselbe Startwert gibt dieselben Sitzungen. Leer: aus der "
                                    "Uhr, und das Ergebnis nennt ihn."));
    auto* randomRow = new QHBoxLayout();
    randomRow->addWidget(sessionCount);
    randomRow->addWidget(new QLabel(QStringLiteral("zu je"), box));
    randomRow->addWidget(lengthCount);
    randomRow->addWidget(lengthUnit);
    randomRow->addStretch();
    auto* seedRow = new QHBoxLayout();
    seedRow->addWidget(buddy(QStringLiteral("Start&wert:"), seed, box));
    seedRow->addWidget(seed);
    seedRow->addStretch();
    grid->addWidget(randomSource, 0, 0);
    grid->addLayout(randomRow, 0, 1);
    grid->addLayout(seedRow, 1, 1);
    grid->addWidget(permanenceSource, 2, 0, 1, 2);

    filesButton =
        describedButton(QStringLiteral("Dateien wä&hlen …"), "dateien",
                        QStringLiteral("Eine oder mehrere Permanenzdateien wählen."), box);
    folderButton =
        describedButton(QStringLiteral("&Ordner …"), "ordner",
                        QStringLiteral("Einen Ordner wählen: alle .txt-Dateien darin und in "
                                       "seinen Unterordnern."),
                        box);
    filesAs = new QComboBox(box);
    filesAs->setObjectName(QStringLiteral("dateienAls"));
    filesAs->addItems(
        {QStringLiteral("jede Datei eine Sitzung"), QStringLiteral("alle als eine Sitzung")});
    filesAs->setAccessibleName(QStringLiteral("Dateien als Sitzungen"));
    chosenLabel = new QLabel(QStringLiteral("keine gewählt"), box);
    chosenLabel->setObjectName(QStringLiteral("gewaehlt"));
    chosenLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path must not widen the window; the tool tip shows it whole.
    chosenLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* fileRow = new QHBoxLayout();
    fileRow->addWidget(filesButton);
    fileRow->addWidget(folderButton);
    fileRow->addWidget(filesAs);
    fileRow->addStretch();
    grid->addWidget(filesSource, 3, 0);
    grid->addLayout(fileRow, 3, 1);
    grid->addWidget(chosenLabel, 4, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* StrategyWindow::buildProgress() {
    auto* row = new QWidget(this);
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    startButton =
        describedButton(QStringLiteral("&Starten"), "starten",
                        QStringLiteral("Den Strategietest mit diesen Einstellungen beginnen "
                                       "(Eingabetaste)."),
                        row);
    startButton->setDefault(true);
    progress = new QProgressBar(row);
    progress->setObjectName(QStringLiteral("fortschritt"));
    progress->setAccessibleName(QStringLiteral("Fortschritt"));
    progress->setRange(0, 1);
    progress->setValue(0);
    progress->setFormat(QString());
    cancelButton = describedButton(QStringLiteral("&Abbrechen"), "abbrechen",
                                   QStringLiteral("Den laufenden Test anhalten (Esc)."), row);
    status = new QLabel(row);
    status->setObjectName(QStringLiteral("status"));
    status->setWordWrap(true);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(startButton, 0, 0);
    layout->addWidget(progress, 0, 1);
    layout->addWidget(cancelButton, 0, 2);
    layout->addWidget(status, 1, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    return row;
}

QWidget* StrategyWindow::buildResults() {
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setChildrenCollapsible(false);
    tabs = new QTabWidget(splitter);
    tabs->setObjectName(QStringLiteral("ergebnisse"));
    sessions_ = new SessionModel(this);
    proxy_ = new SessionSortProxy(sessions_, this);
    sessionTable = tableView("sitzungstabelle", QStringLiteral("Sitzungen"), tabs);
    sessionTable->setModel(proxy_);
    sessionTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    sessionTable->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    sessionTable->setSortingEnabled(true);
    journal_ = new JournalModel(this);
    journalTable = tableView("journal", QStringLiteral("Journal der gewählten Sitzung"), tabs);
    journalTable->setModel(journal_);
    journalTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tabs->addTab(sessionTable, QStringLiteral("Sitzungen"));
    tabs->addTab(journalTable, QStringLiteral("&Journal"));

    auto* lower = new QWidget(splitter);
    auto* layout = new QVBoxLayout(lower);
    layout->setContentsMargins(0, 0, 0, 0);
    charts = new StrategyCharts(lower);
    layout->addWidget(charts, 1);
    lawLabel = new QLabel(lower);
    lawLabel->setObjectName(QStringLiteral("zufall"));
    lawLabel->setWordWrap(true);
    lawLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lawLabel->setAccessibleName(QStringLiteral("Zufall allein"));
    layout->addWidget(lawLabel);
    houseShare = new QLabel(lower);
    houseShare->setObjectName(QStringLiteral("bankanteil"));
    houseShare->setWordWrap(true);
    layout->addWidget(houseShare);
    splitter->addWidget(tabs);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    return splitter;
}

QWidget* StrategyWindow::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    saveSessionsButton = describedButton(QStringLiteral("Sitzungen als &CSV …"), "sitzungenCsv",
                                         QStringLiteral("Die Tabelle der Sitzungen für eine "
                                                        "Tabellenkalkulation speichern."),
                                         row);
    copyButton = describedButton(QStringLiteral("Kopieren"), "kopieren",
                                 QStringLiteral("Die gewählten Sitzungen, ohne Wahl alle, in die "
                                                "Zwischenablage kopieren (Strg+C)."),
                                 row);
    saveJournalButton =
        describedButton(QStringLiteral("Journal als CS&V …"), "journalCsv",
                        QStringLiteral("Die Wetten der gewählten Sitzung speichern."), row);
    auto* close = describedButton(QStringLiteral("Schließen"), "schliessen",
                                  QStringLiteral("Das Fenster schließen (Esc)."), row);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(saveSessionsButton);
    layout->addWidget(copyButton);
    layout->addWidget(saveJournalButton);
    layout->addStretch();
    layout->addWidget(close);
    return row;
}
