#pragma once

#include "services/historylog.h"

#include <QDate>
#include <QList>

namespace abacolo::test {

// A row of the answer log at `day` and `time` (local time).
HistoryRow answerAt(QDate day, QTime time, const QString &activity, const QString &question, bool right,
                    qint64 msecsTaken = 5000, const QString &child = QString());

// Writes `rows` into the answer log at `path` in one transaction; the log itself makes the file.
void writeHistory(const QString &path, const QList<HistoryRow> &rows);

// `count` answers of every activity by two children over the 120 days up to `lastDay`, a few
// days left out, about three in four right.
QList<HistoryRow> manyAnswers(int count, QDate lastDay);

} // namespace abacolo::test
