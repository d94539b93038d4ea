// Builds every control of the window at its place, with its look and its
// initial state. Controls are created from the bottom of the stacking order
// to the top, since a widget created later covers its older siblings; the
// drawn captions, shapes and lines lie beneath every other control.
#include "app/form1.h"

#include "app/instructions.h"
#include "run/run_table.h"
#include "run/spin_count_validator.h"
#include "ui/app_icon.h"
#include "ui/caption_label.h"
#include "ui/dir_list.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/flexgrid.h"
#include "ui/list_box.h"
#include "ui/look.h"
#include "ui/shape.h"
#include "ui/text_box.h"
#include "ui/window_role.h"

#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolTip>

namespace {

const QString title = QStringLiteral("Tamblo / QV / Sorvik1    dwrel / V03.01  www.sorvik1.de");

void colour(QWidget* w, const QColor& back, const QColor& fore) {
    QPalette p = w->palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        p.setColor(role, back);
    }
    // The disabled group keeps the style's greyed text, so that a locked
    // button or box looks locked.
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            p.setColor(group, role, fore);
        }
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A container's own background, and its caption colour; the controls
// inside keep the system's button colours.
void background(QWidget* w, const QColor& back, const QColor& caption) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::WindowText, caption);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A system text colour, kept readable on the window's fixed background.
QColor systemText(QPalette::ColorRole role, const QColor& back) {
    return look::readableOn(back, QPalette().color(role));
}

template <class W> W* place(W* w, const char* name, QRect where, const QFont& font) {
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(where);
    w->setFont(font);
    return w;
}

void describe(QWidget* w, const QString& name, const QString& tip) {
    if (!name.isEmpty()) {
        w->setAccessibleName(name);
    }
    if (!tip.isEmpty()) {
        w->setToolTip(tip);
        w->setAccessibleDescription(tip);
    }
}

QFont normal() {
    return look::font(8.25, true);
}

CaptionLabel* caption(QWidget* parent, const char* name, const QString& text, QRect where,
                      const QFont& font = normal()) {
    auto* label = place(new CaptionLabel(parent), name, where, font);
    label->setCaption(text);
    colour(label, look::background, look::blue);
    return label;
}

CaptionLabel* valueLabel(QWidget* parent, const char* name, QRect where, const QColor& back,
                         const QColor& fore, const QFont& font) {
    auto* label = place(new CaptionLabel(parent), name, where, font);
    colour(label, back, fore);
    label->setBorder(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect where,
                    const QString& tip, bool enabled, const QFont& font = normal()) {
    auto* b = place(new QPushButton(text, parent), name, where, font);
    describe(b, {}, tip);
    b->setEnabled(enabled);
    return b;
}

QRadioButton* option(QWidget* parent, int index, const QString& text, QRect where,
                     const QString& tip, bool selected) {
    auto* o = place(new QRadioButton(text, parent), "Option1", where, normal());
    o->setObjectName(QStringLiteral("Option1_%1").arg(index));
    colour(o, look::background, look::blue);
    describe(o, {}, tip);
    o->setChecked(selected);
    return o;
}

QFrame* cover(QWidget* parent, const char* name, QRect where) {
    auto* f = place(new QFrame(parent), name, where, normal());
    background(f, look::background, look::blue);
    return f;
}

// Every line the instruction label shows, as wide as it is shown.
QStringList instructionLines() {
    QStringList lines;
    for (const auto* instruction : {&figureInstruction, &runInstruction}) {
        lines.append(QStringList(instruction->begin(), instruction->end()));
    }
    // The import frame writes a blank before its first line.
    lines << QChar(' ') + importInstruction[0] << importInstruction[1] << importInstruction[2];
    return lines;
}

} // namespace

void Form1::buildControls() {
    reportAsWindow(this);
    setWindowTitle(title);
    setWindowIcon(appIcon());
    setFixedSize(look::px(9570), look::px(7155));
    background(this, look::background, systemText(QPalette::WindowText, look::background));
    setFont(normal());

    const QFont medium = look::font(9.75, true);
    const QFont large = look::font(12, true);
    const QFont regular = look::font(8.25, false);
    const QColor black(0, 0, 0);

    // Drawn captions, shapes and lines, bottom first.
    Label1 = caption(this, "Label1", QStringLiteral("Anzahl Würfe"),
                     look::rect(7200, 420, 1575, 255), medium);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lakut =
        valueLabel(this, "lakut", look::rect(4500, 1530, 1335, 375), look::paleGreen, black, large);
    describe(lakut, {}, QStringLiteral(" Aktuelle Anzahl Würfe "));
    Label3 = caption(this, "Label3", QStringLiteral("Wurf akut"), look::rect(4545, 1260, 1260, 255),
                     medium);
    Shape1 =
        place(new Shape(look::blue, this), "Shape1", look::rect(6960, 240, 2055, 6615), normal());
    lzahl = valueLabel(this, "lzahl", look::rect(7665, 3360, 615, 375), look::lightGreen,
                       systemText(QPalette::ButtonText, look::lightGreen), large);
    describe(lzahl, {}, QStringLiteral(" Zeigt die aktuell geworfene  Zahl an "));
    Label2 = caption(this, "Label2", QStringLiteral("Zahl"), look::rect(7770, 3150, 495, 180));
    text = valueLabel(this, "text", look::rect(3495, 240, 3360, 885), look::background,
                      look::darkGrey, regular);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setFont(look::fitting(regular, instructionLines(), text->contentsRect().width() - 2));
    // No caption names the instruction on screen; its name is what it says.
    text->setAccessibleDescription(QStringLiteral("Anleitung"));
    Line1 = place(new Shape(look::blue, this), "Line1", look::rect(7035, 4935, 1890, 15), normal());
    Line1->setFixedHeight(1);
    Label6 = caption(this, "Label6", {}, look::rect(945, 315, 225, 120));
    colour(Label6, QColor(255, 0, 0), black);
    describe(Label6, QStringLiteral("Rot"), {});
    Label7 = caption(this, "Label7", {}, look::rect(1260, 315, 225, 120));
    colour(Label7, black, black);
    describe(Label7, QStringLiteral("Schwarz"), {});
    Shape3 =
        place(new Shape(look::blue, this), "Shape3", look::rect(315, 210, 2955, 6735), normal());
    lmenge =
        valueLabel(this, "lmenge", look::rect(1980, 630, 960, 330), look::paleGreen, black, medium);
    describe(lmenge, {}, QStringLiteral(" Häufigkeit der definierten Figur "));
    Label8 =
        caption(this, "Label8", QStringLiteral("Anz.Figuren"), look::rect(1980, 360, 1050, 225));
    Label9 = caption(this, "Label9", QStringLiteral("bei Wurf"), look::rect(2070, 1215, 855, 225));
    Label4 = caption(this, "Label4", QStringLiteral("Wurf"), look::rect(4275, 2115, 465, 240));
    Label5 = caption(this, "Label5", QStringLiteral("Zahl"), look::rect(5490, 2115, 555, 195));
    // Assistive tools read each value with the caption that names it.
    lakut->setLabelledBy(Label3);
    lzahl->setLabelledBy(Label2);
    lmenge->setLabelledBy(Label8);

    // Windowed controls, bottom first.
    okcopy = button(this, "okcopy", QStringLiteral("Copy"), look::rect(8055, 5040, 780, 435),
                    QStringLiteral(" Druckt eine Copy des aktuellen Bildschirmes "), true);
    tabelle2 = place(
        new FlexGrid(1, 5,
                     GridColours{look::background, look::blue, look::background, look::darkGrey,
                                 look::background, look::background, look::background},
                     this),
        "tabelle2", look::rect(4095, 2340, 2130, 3630), normal());
    tabelle2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tabelle2->setCellSource(std::make_unique<RunTableCells>(*this));
    describe(tabelle2, QStringLiteral("Würfe"),
             QStringLiteral(" Zeigt alle  Würfe chronologisch an "));
    textanzahl = place(new TextBox(this), "textanzahl", look::rect(7200, 735, 1575, 435), large);
    textanzahl->setAlignment(Qt::AlignCenter);
    textanzahl->setValidator(new SpinCountValidator(textanzahl));
    colour(textanzahl, look::paleGreen, black);
    describe(textanzahl, QStringLiteral("Anzahl Würfe"),
             QStringLiteral(" Anzahl der gewünschten Würfe "));
    Option1[0] = option(this, 0, QStringLiteral("Einzelschritt"), look::rect(7200, 1260, 1575, 435),
                        QStringLiteral(" Bleibt nach jedem Wurf stehen  "), true);
    Option1[1] = option(this, 1, QStringLiteral("Durchlauf"), look::rect(7200, 1680, 1575, 435),
                        QStringLiteral("Bleibt erst beim letzten Wurf stehen "), false);
    okstart = button(this, "okstart", QStringLiteral("Start"), look::rect(7140, 3885, 1680, 450),
                     QStringLiteral(" Startet die Simulation "), false, medium);
    const QColor tipBack = QToolTip::palette().color(QPalette::ToolTipBase);
    colour(okstart, tipBack, systemText(QPalette::ButtonText, tipBack));
    Option1[2] =
        option(this, 2, QStringLiteral("Halt bei Figur"), look::rect(7200, 2100, 1575, 435),
               QStringLiteral("Hält erst beim Auftreten einer Figur "), false);
    const QColor white(255, 255, 255);
    tabelle1 = place(
        new FlexGrid(21, 3,
                     GridColours{white, systemText(QPalette::WindowText, white), look::background,
                                 systemText(QPalette::ButtonText, look::background),
                                 QColor(128, 128, 128), look::background, black},
                     this),
        "tabelle1", look::rect(420, 525, 1140, 4800), normal());
    tabelle1->setBlankCellDescription(QStringLiteral("nicht gesetzt"));
    // The user draws the figure cell by cell: the clicked cell stays marked
    // while "Setzen" or "Absetzen" takes the focus.
    tabelle1->setKeepsCurrentVisible(true);
    describe(tabelle1, QStringLiteral("Figur"),
             QStringLiteral(" Hier wird eine Figur beliebig definiert "));
    okende = button(this, "okende", QStringLiteral("Ende"), look::rect(7140, 6300, 1680, 450),
                    QStringLiteral(" Beendet das Programm "), true, medium);
    okextern = button(this, "okextern", QStringLiteral("Import"), look::rect(7140, 5670, 1695, 435),
                      QStringLiteral(" Liest beliebige Permanenzen der Hamburger Spielbank ein "),
                      true, medium);
    okdruck = button(this, "okdruck", QStringLiteral("Druck"), look::rect(7140, 5040, 780, 435),
                     QStringLiteral(" Druckt die aktuellen Werte als Text  "), false);
    okabbrechen =
        button(this, "okabbrechen", QStringLiteral("Abbruch"), look::rect(7140, 4410, 1695, 435),
               QStringLiteral(" Neuanfang "), false, medium);
    buildFrame1();
    okinfo = button(this, "okinfo", QStringLiteral("Info"), look::rect(4095, 6300, 2115, 435), {},
                    true, medium);
    okfigsetz =
        button(this, "okfigsetz", QStringLiteral("Setzen"), look::rect(420, 5565, 1170, 330),
               QStringLiteral(" Setzt den Teil einer Figur "), false);
    okfigabsetz =
        button(this, "okfigabsetz", QStringLiteral("Absetzen"), look::rect(420, 5985, 1170, 330),
               QStringLiteral(" Entfernt den getätigten Eintrag einer Figur "), false);
    okfigok = button(this, "okfigok", QStringLiteral("OK"), look::rect(420, 6405, 1170, 330),
                     QStringLiteral(" Aktiviert die Figur  "), true);
    Liste = place(new ListBox(this), "Liste", look::rect(1890, 1485, 1170, 3765), normal());
    colour(Liste, QColor(255, 255, 255), black);
    describe(Liste, QStringLiteral("bei Wurf"),
             QStringLiteral(" Wurfnummer bei der die definierte Figur auftritt "));
    okreset = button(this, "okreset", QStringLiteral("Reset"), look::rect(1800, 6390, 1170, 330),
                     QStringLiteral(" Löscht alle Einträge in dieser Sektion "), true);
    zudeck1 = cover(this, "zudeck1", look::rect(6930, 135, 2220, 6000));
    zudeck2 = cover(this, "zudeck2", look::rect(3600, 1125, 3165, 5010));
    infotext = place(new QTextEdit(this), "infotext", look::rect(3375, 225, 3480, 5865), regular);
    infotext->setReadOnly(true);
    infotext->setAcceptRichText(false);
    describe(infotext, QStringLiteral("Info"), {});
    infotext->hide();
}

void Form1::buildFrame1() {
    Frame1 = place(new QGroupBox(QStringLiteral("Import Permanenz"), this), "Frame1",
                   look::rect(6930, 135, 2115, 6735), normal());
    background(Frame1, look::background, look::blue);
    Label10 = caption(Frame1, "Label10", QStringLiteral("*.txt"), look::rect(735, 1260, 435, 225));
    Drive1 = place(new DriveList(Frame1), "Drive1", look::rect(105, 420, 1905, 315), normal());
    describe(Drive1, QStringLiteral("Laufwerk"), {});
    Dir1 = place(new DirList(Frame1), "Dir1", look::rect(105, 1785, 1905, 1440), normal());
    describe(Dir1, QStringLiteral("Verzeichnis"), {});
    File1 = place(new FileList(QStringLiteral("*.txt"), Frame1), "File1",
                  look::rect(105, 3465, 1905, 2235), normal());
    describe(File1, QStringLiteral("*.txt"), {});
    okexternok = button(Frame1, "okexternok", QStringLiteral("OK"), look::rect(210, 6090, 750, 330),
                        {}, false);
    const QColor okBack(192, 192, 192);
    colour(okexternok, okBack, systemText(QPalette::ButtonText, okBack));
    okexternabbruch = button(Frame1, "okexternabbruch", QStringLiteral("Abbr."),
                             look::rect(1155, 6090, 750, 330), {}, true);
    // The lists start where the process was started.
    Drive1->showDriveOf(QDir::currentPath());
    Dir1->setPath(QDir::currentPath());
    File1->setPath(Dir1->path());
    Frame1->hide();
}
