#pragma once

#include "services/answerlog.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace abacolo {

class Clock;
class Dialogs;

// One row of "history.db".
struct HistoryRow
{
    QDateTime answeredAt; // local time of day, to the second
    AnsweredQuestion answered;
    QString child;          // the child's name current when it was written; empty before any
};

// The answer log in "history.db" in the data directory: one row per answered question.
//
// The file is made on first use. Each row is committed before record() returns, and a
// writer waits for the file's lock rather than failing, so two running copies lose no row.
// A file that cannot be read as the log is never touched: the first failure is reported
// once through the dialogs, later ones are not, and the activity goes on.
//
// The file also keeps the current child's name, set by the parent; each row is written under
// the name current at that moment. A log written before names existed gains the column on
// first use, its rows kept (with no name).
class HistoryLog : public AnswerLog
{
public:
    HistoryLog(Clock &clock, Dialogs &dialogs, QString directory);
    ~HistoryLog() override;
    HistoryLog(const HistoryLog &) = delete;
    HistoryLog &operator=(const HistoryLog &) = delete;

    void record(const AnsweredQuestion &answered) override;

    QString filePath() const;
    // Every row in the order written; raises AppError when the file cannot be read.
    static QList<HistoryRow> readRows(const QString &filePath);
    // The current child's name, empty when none was set or the file does not exist yet;
    // raises AppError when the file cannot be read.
    static QString currentChild(const QString &filePath);
    // Makes `name` current for the rows written from now on (the file is made if need be);
    // raises AppError when the file cannot be written.
    static void setCurrentChild(const QString &filePath, const QString &name);

private:
    void open();
    void close();
    void append(const AnsweredQuestion &answered);

    Clock &m_clock;
    Dialogs &m_dialogs;
    QString m_directory;
    QString m_connection; // empty while the file is not open
    bool m_reported = false;
};

} // namespace abacolo
