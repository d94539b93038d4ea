#pragma once

#include <QList>
#include <QString>

class SearchModel;

// The figures a search found, rows of the model in the order given, for
// German spreadsheet programs: the command-line tool's search columns,
// semicolons between cells, numbers in full with a decimal comma, CR LF
// line ends. The caller adds the UTF-8 byte order mark when writing a file.
QString searchCsv(const SearchModel& model, const QList<int>& rows);
