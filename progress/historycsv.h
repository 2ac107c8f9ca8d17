#pragma once

#include "services/historylog.h"

#include <QByteArray>
#include <QList>

namespace abacolo {

// The answer log as a spreadsheet file: UTF-8 with a byte order mark, so spreadsheet programs
// read the Chinese; one header line, then one line per answer. A field holding a comma, a
// quote or a line break is quoted.
QByteArray historyCsv(const QList<HistoryRow> &rows);
// The rows of a file historyCsv() wrote; raises AppError naming the line that cannot be read.
QList<HistoryRow> rowsFromCsv(const QByteArray &csv);

// Writes historyCsv(rows) to `path` whole or not at all; raises AppError when it cannot.
void saveHistoryCsv(const QString &path, const QList<HistoryRow> &rows);

} // namespace abacolo
