#pragma once

#include "core/batch/evaluation.h"
#include "ui/spreadsheet_export.h"

#include <QAbstractTableModel>

#include <vector>

// The result table of an evaluation: one row per evaluated file, then the
// row of all files together. Display texts are German; the sort role gives
// the plain value, so numbers sort as numbers.
class EvaluationModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column {
        File,
        Casino,
        Table,
        Date,
        Spins,
        Found,
        Expected,
        Deviation,
        ZValue,
        Absence,
        // What every row counted, so that a copy or an export read later
        // says it; the window names it once above the table instead.
        Figure,
        Rule,
        columnCount_
    };
    // How far the evaluation behind the rows has come.
    enum class Stage { Running, Complete, Cancelled };
    // True on the row of all files together.
    static constexpr int totalRole = spreadsheetTotalRole;
    static constexpr int valueRole = spreadsheetValueRole;

    explicit EvaluationModel(QObject* parent = nullptr);

    // Names the figure and the zero rule the rows were counted with.
    void setCounted(const QString& figure, const QString& rule);
    // Shows the files evaluated; a stage other than Complete labels the total
    // as the sum of the finished files only.
    void setResult(std::vector<sorvik1::FileEvaluation> files,
                   const sorvik1::EvaluationTotal& total, Stage stage);
    // Adds files that have just finished while the evaluation runs.
    void addFiles(std::vector<sorvik1::FileEvaluation> files);
    void clear();
    const std::vector<sorvik1::FileEvaluation>& files() const { return files_; }
    bool isTotal(int row) const { return row == static_cast<int>(files_.size()); }
    // Whether file row `a` sorts before file row `b` by `column`, straight
    // from the figures: a hundred thousand rows sort in a blink. A value
    // that does not exist (a z-value without variation) comes first.
    bool less(int a, int b, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QVariant value(int row, int column) const;
    QString text(int row, int column) const;

    std::vector<sorvik1::FileEvaluation> files_;
    sorvik1::EvaluationTotal total_;
    Stage stage_ = Stage::Complete;
    QString figure_;
    QString rule_;
};
