#pragma once

#include "core/wheel/colour.h"
#include "core/wheel/random.h"
#include "run/decimal_text.h"
#include "ui/trainer_view.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CaptionLabel;
class DirList;
class DriveList;
class FileList;
class FlexGrid;
class ListBox;
class MessageBox;
class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTextEdit;
class Shape;
class StatisticsWindow;
class TextBox;
namespace sorvik1 {
class Clock;
class Figure;
class Printer;
struct PrintOutcome;
class SpinSource;
} // namespace sorvik1

// The trainer's one window: its controls, the state every handler shares,
// and the handlers. Handler bodies live in the folder of their subsystem.
class Form1 : public QWidget, public TrainerView {
    Q_OBJECT

  public:
    struct Options {
        // Makes every random run of this window reproducible.
        std::optional<std::uint64_t> seed;
    };

    explicit Form1(const Options& options = {}, QWidget* parent = nullptr);
    ~Form1() override;

    // Seams for what is modal or outside the window; tests replace them.
    void setMessageBox(std::unique_ptr<MessageBox> box);
    void setProgramDirectory(const QString& directory) { programDirectory_ = directory; }
    void setQuit(std::function<void()> quit) { quit_ = std::move(quit); }
    void setPrinter(std::unique_ptr<sorvik1::Printer> printer);
    void setClock(std::unique_ptr<sorvik1::Clock> clock);
    const sorvik1::Clock& clock() const override { return *clock_; }
    const Options& options() const { return options_; }

    // What the windows beside the trainer see of it.
    QWidget& trainerWindow() override;
    sorvik1::Figure activeFigure() const override;
    sorvik1::ZeroRule zeroRule() const override;
    RunSnapshot runSnapshot() const override;
    ChartInput chartInput() const override;
    HeldSpins heldSpins() const override;
    bool figureGridOpen() const override;
    bool drawFigure(const sorvik1::Figure& figure) override;
    std::optional<std::uint64_t> seed() const override;

    // Answers an action that ended in an exception: says so in a box and
    // leaves the trainer usable (the application object calls this).
    void actionFailed(bool outOfMemory);

    // ---- Controls, from the top of the stacking order to the bottom ----
    QTextEdit* infotext;
    QFrame* zudeck2;
    QFrame* zudeck1;
    QPushButton* okreset;
    ListBox* Liste;
    QPushButton* okfigok;
    QPushButton* okfigabsetz;
    QPushButton* okfigsetz;
    QPushButton* okinfo;
    QGroupBox* Frame1;
    QPushButton* okexternabbruch;
    QPushButton* okexternok;
    FileList* File1;
    DirList* Dir1;
    DriveList* Drive1;
    CaptionLabel* Label10;
    QPushButton* okabbrechen;
    QPushButton* okdruck;
    QPushButton* okextern;
    QPushButton* okende;
    FlexGrid* tabelle1;
    std::array<QRadioButton*, 3> Option1;
    QPushButton* okstart;
    TextBox* textanzahl;
    FlexGrid* tabelle2;
    QPushButton* okcopy;
    CaptionLabel* Label5;
    CaptionLabel* Label4;
    CaptionLabel* Label9;
    CaptionLabel* Label8;
    CaptionLabel* lmenge;
    Shape* Shape3;
    CaptionLabel* Label7;
    CaptionLabel* Label6;
    Shape* Line1;
    CaptionLabel* text;
    CaptionLabel* Label2;
    CaptionLabel* lzahl;
    Shape* Shape1;
    CaptionLabel* Label3;
    CaptionLabel* lakut;
    CaptionLabel* Label1;

    // ---- Shared state ----
    std::vector<std::int16_t> zahlen;
    sorvik1::ColourTable farbe{};
    std::vector<double> permanenz;
    std::array<sorvik1::Farbcode, 21> figur{};
    std::int16_t figanfang = 0;
    std::int16_t figende = 0;
    std::int16_t importiert = 0;
    double anzahl = 0;
    double wurf = 0;
    double figbeiwurf = 0;
    double importanzahl = 0;
    QString zeichen;
    QString kreuz;
    QString textzeile;
    std::int16_t gestartet = 0;
    std::int16_t zahl = 0;

    // ---- Handlers ----
    void Form_Load();
    // spin run
    void okstart_Click();
    void textanzahl_Change();
    void Liste_Click();
    void okabbrechen_Click();
    // figure definition
    void tabelle1_Click();
    void okfigsetz_Click();
    void okfigabsetz_Click();
    void okfigok_Click();
    void okreset_Click();
    // permanence import
    void okextern_Click();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void okexternabbruch_Click();
    void okexternok_Click();
    // output and exit
    void okdruck_Click();
    void okcopy_Click();
    void okinfo_Click();
    void okende_Click();

  private:
    void buildControls();
    void buildFrame1();
    void setTabOrder();
    void connectHandlers();
    int MsgBox(const QString& prompt, int style, const QString& title);
    void Randomize();

    // The four lines of an instruction text, joined by carriage returns.
    void showInstruction(const std::array<QString, 4>& lines);

    // Steps that both the new start and the reset take to empty the run
    // section, each in the order the user sees.
    void clearPermanenceGrid();
    void lockRunButtons();
    void emptyListe();

    // Spin run: the steps of a press of Start.
    void prepareRun();
    void runLoop();
    void endRun();
    // Runs the spins `first` .. `last` as that many single steps would and
    // returns the last spin run; when halting at a figure, that is the spin
    // that ends an occurrence, if one ends before `last`.
    std::int64_t runSpins(const sorvik1::SpinSource& spins, const sorvik1::Figure& figure,
                          std::int64_t first, std::int64_t last, bool haltAtFigure);
    void showSpins(const sorvik1::SpinSource& spins, std::int64_t first, std::int64_t last);
    // Lists the spin when the figure starts there; true when it does.
    bool figureTest(const sorvik1::SpinSource& spins, const sorvik1::Figure& figure,
                    std::int64_t start);
    void countOccurrences(std::int64_t found);
    sorvik1::SpinSource spinSource() const;
    sorvik1::Random random_{0};
    DecimalText wurfText_;
    DecimalText mengeText_;

    // output
    // Asks whether to change the printer settings first; false when cancelled.
    bool askPrinterSettings();
    // Asks before a printout of more than 20 pages; true to print it.
    bool printLongReport(int pages);
    void reportPrintOutcome(const sorvik1::PrintOutcome& outcome);

    // statistics beside the trainer
    void connectStatisticsMenu();
    StatisticsWindow* statistics_ = nullptr; // made on first use, as a child of this window

    Options options_;
    // Set when an action failed before it changed anything; see ReservingPhase.
    bool failedUnchanged_ = false;
    std::unique_ptr<MessageBox> messageBox_;
    QString programDirectory_;
    std::function<void()> quit_;
    std::unique_ptr<sorvik1::Clock> clock_;
    std::unique_ptr<sorvik1::Printer> printer_;
};

// The two instruction texts of the label `text`.
extern const std::array<QString, 4> figureInstruction;
extern const std::array<QString, 4> runInstruction;
