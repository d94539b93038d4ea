// The evaluation window's controls and their layout.
#include "auswertung/evaluation_charts.h"
#include "auswertung/evaluation_model.h"
#include "auswertung/evaluation_window.h"
#include "auswertung/search_tab.h"
#include "auswertung/total_last_proxy.h"
#include "ui/chance_choice.h"
#include "ui/window_parts.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {} // namespace

QWidget* EvaluationWindow::buildChoice() {
    auto* box = new QGroupBox(QStringLiteral("Auswahl"), this);
    auto* layout = new QVBoxLayout(box);
    figureLabel_ = new QLabel(box);
    figureLabel_->setObjectName(QStringLiteral("figur"));
    figureLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(figureLabel_);

    auto* zero = new QHBoxLayout();
    zero->addWidget(new QLabel(QStringLiteral("Null:"), box));
    zeroBreaks_ = new QRadioButton(QStringLiteral("&Null bricht die Figur"), box);
    zeroBreaks_->setObjectName(QStringLiteral("nullBricht"));
    zeroBreaks_->setToolTip(QStringLiteral("Wie im Trainer: eine Null passt zu keiner Farbe."));
    zeroSkipped_ = new QRadioButton(QStringLiteral("Nullen &überspringen"), box);
    zeroSkipped_->setObjectName(QStringLiteral("nullUeberspringen"));
    zeroSkipped_->setToolTip(
        QStringLiteral("Die Nullen werden herausgenommen; nur Rot und Schwarz zählen."));
    auto* group = new QButtonGroup(box);
    group->addButton(zeroBreaks_);
    group->addButton(zeroSkipped_);
    zeroBreaks_->setChecked(true);
    zero->addWidget(zeroBreaks_);
    zero->addWidget(zeroSkipped_);
    auto* chanceLabel = new QLabel(QStringLiteral("C&hance:"), box);
    chance_ = chanceChoice(box);
    chanceLabel->setBuddy(chance_);
    zero->addSpacing(12);
    zero->addWidget(chanceLabel);
    zero->addWidget(chance_);
    zero->addStretch();
    layout->addLayout(zero);

    auto* choose = new QHBoxLayout();
    filesButton_ = describedButton(QStringLiteral("&Dateien …"), "dateien",
                                   QStringLiteral("Eine oder mehrere Permanenzdateien wählen und "
                                                  "auswerten."),
                                   box);
    folderButton_ =
        describedButton(QStringLiteral("&Ordner …"), "ordner",
                        QStringLiteral("Einen Ordner wählen und alle .txt-Dateien darin und "
                                       "in seinen Unterordnern auswerten."),
                        box);
    folderButton_->setDefault(true);
    choose->addWidget(filesButton_);
    choose->addWidget(folderButton_);
    choose->addStretch();
    layout->addLayout(choose);
    return box;
}

QWidget* EvaluationWindow::buildProgress() {
    auto* row = new QWidget(this);
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QHBoxLayout();
    progress_ = new QProgressBar(row);
    progress_->setObjectName(QStringLiteral("fortschritt"));
    progress_->setAccessibleName(QStringLiteral("Fortschritt"));
    progress_->setAccessibleDescription(
        QStringLiteral("Ausgewertete Dateien und Würfe der laufenden Auswertung."));
    progress_->setTextVisible(true);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setFormat(QString());
    cancelButton_ = describedButton(QStringLiteral("&Abbrechen"), "abbrechen",
                                    QStringLiteral("Die laufende Auswertung anhalten."), row);
    cancelButton_->setEnabled(false);
    bar->addWidget(progress_, 1);
    bar->addWidget(cancelButton_);
    layout->addLayout(bar);
    status_ = new QLabel(row);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(status_);
    return row;
}

QTabWidget* EvaluationWindow::buildResults() {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("ergebnisse"));
    model_ = new EvaluationModel(this);
    proxy_ = new TotalLastProxy(model_, this);
    table_ = new QTableView(tabs);
    table_->setObjectName(QStringLiteral("tabelle"));
    table_->setModel(proxy_);
    // Unsorted until the user asks: the files stay in the order of their
    // paths, and a hundred thousand rows need no sorting on arrival.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    // Column widths from the rows in sight and a few more, not from every
    // row of a long result.
    table_->horizontalHeader()->setResizeContentsPrecision(50);
    // A long header line is elided to its column instead of pushing the
    // numbers out of sight; its tool-tip holds it whole.
    table_->horizontalHeader()->setMaximumSectionSize(table_->fontMetrics().averageCharWidth() *
                                                      60);
    table_->setTextElideMode(Qt::ElideRight);
    table_->setAccessibleName(QStringLiteral("Ergebnis je Datei"));
    table_->setAccessibleDescription(
        QStringLiteral("Je Datei Spielbank, Tisch, Datum, Würfe, gefundene und erwartete "
                       "Figuren, Standardabweichung, z-Wert und längster Ausbleiber; die letzte "
                       "Zeile fasst alle Dateien zusammen. Ein Klick auf eine Spalte sortiert."));
    // Each row names the figure and the zero rule for copies and exports;
    // the window names them once, above the table. A reset of the model
    // shows every column again.
    const auto hideCounted = [this] {
        table_->setColumnHidden(EvaluationModel::Figure, true);
        table_->setColumnHidden(EvaluationModel::Rule, true);
    };
    hideCounted();
    connect(proxy_, &QAbstractItemModel::modelReset, this, hideCounted);
    // The headings fit before the first row arrives.
    table_->resizeColumnsToContents();
    auto* copy = new QAction(table_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &EvaluationWindow::copyRows);
    table_->addAction(copy);
    tabs->addTab(table_, QStringLiteral("&Tabelle"));

    charts_ = new EvaluationCharts(tabs);
    tabs->addTab(charts_, QStringLiteral("Dia&gramme"));

    refused_ = new QStringListModel(this);
    auto* refusedList = new QListView(tabs);
    refusedList->setObjectName(QStringLiteral("abgelehnt"));
    refusedList->setModel(refused_);
    refusedList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    refusedList->setAccessibleName(QStringLiteral("Nicht ausgewertete Dateien"));
    refusedList->setAccessibleDescription(QStringLiteral(
        "Jede Datei oder jeder Ordner, der nicht ausgewertet wurde, mit dem Grund."));
    tabs->addTab(refusedList, QStringLiteral("Nicht ausge&wertet"));
    search_ = new SearchTab(trainer_, tabs);
    tabs->addTab(search_, QStringLiteral("&Figurensuche"));
    return tabs;
}

QWidget* EvaluationWindow::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    saveButton_ = describedButton(QStringLiteral("Als CSV &speichern …"), "csv",
                                  QStringLiteral("Die Tabelle für Tabellenkalkulationen speichern: "
                                                 "Semikolon, Dezimalkomma, UTF-8."),
                                  row);
    copyButton_ =
        describedButton(QStringLiteral("&Kopieren"), "kopieren",
                        QStringLiteral("Die markierten Zeilen, oder alle, mit Tabulatoren "
                                       "getrennt in die Zwischenablage kopieren."),
                        row);
    auto* close = describedButton(QStringLiteral("Schl&ießen"), "schliessen",
                                  QStringLiteral("Das Fenster schließen."), row);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(saveButton_);
    layout->addWidget(copyButton_);
    layout->addStretch();
    layout->addWidget(close);
    return row;
}
