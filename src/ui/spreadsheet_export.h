#pragma once

#include <QList>
#include <QString>
#include <Qt>

class QAbstractItemModel;

// What a model offers the export beside the shown text: whether a row is the
// total row, and a cell's value as a machine reads it (numbers as numbers,
// texts as texts).
inline constexpr int spreadsheetTotalRole = Qt::UserRole + 1;
inline constexpr int spreadsheetValueRole = Qt::UserRole + 2;

// The result table as text for other programs, rows in the order given.

// For German spreadsheet programs: semicolons between cells, numbers in full
// with a decimal comma and no thousands dot, texts quoted where needed, CR LF
// line ends. The caller adds the UTF-8 byte order mark when writing a file.
QString spreadsheetCsv(const QAbstractItemModel& model, const QList<int>& rows);

// Saves `csv` as the file `path` for a spreadsheet program, after the UTF-8
// byte order mark, through the safe save. Empty when saved, else the German
// message saying why not; a file that was there then stays as it was.
QString saveSpreadsheetCsv(const QString& path, const QString& csv);

// The cells as shown, tab-separated, one line per row, headings first: what
// a paste into a spreadsheet or a mail expects. Texts are guarded against
// running as formulas as in a CSV file.
QString tabSeparated(const QAbstractItemModel& model, const QList<int>& rows);

// One cell of text for a German spreadsheet: guarded against running as a
// formula, and quoted where a separator, quote or line break would split it.
QString spreadsheetText(const QString& text);
// A number in full with a decimal comma and no thousands dot; empty when
// it does not exist.
QString spreadsheetNumber(double value);
