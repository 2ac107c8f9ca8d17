#pragma once

#include "services/historylog.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace abacolo {

struct CurriculumEntry;

// The time a report looks at.
enum class Period { Week, Month, All };

// Days from `first` to `last`, both included.
struct DaySpan
{
    QDate first;
    QDate last;
    bool contains(QDate day) const { return day >= first && day <= last; }
    qint64 days() const { return first.daysTo(last) + 1; }
};

// The days `period` covers on `today`: this week from Monday, this calendar month, or every
// day from `firstDay` (the first practice; today when there was none).
DaySpan periodSpan(Period period, QDate today, QDate firstDay);
// The span before `current` that a trend compares with: last week, last month; none for All.
std::optional<DaySpan> previousSpan(Period period, DaySpan current);

// One bar of the daily chart: a day, or a week from its Monday when the span is long.
struct DayTally
{
    DaySpan span;
    int right = 0;
    int wrong = 0;
    qint64 practiceMsecs = 0;
    int asked() const { return right + wrong; }
};

// One activity in a span, with its share of right answers in the span before.
struct ActivityTally
{
    QString activity;
    int asked = 0;
    int right = 0;
    std::optional<double> previousShare;   // none when the activity was not practised before
    double share() const { return asked > 0 ? double(right) / asked : 0.0; }
};

// A question of one activity, however often it was asked.
struct QuestionTally
{
    QString activity;
    QString question;
    int asked = 0;
    int right = 0;
    int wrong() const { return asked - right; }
};

// What the progress window shows for one period and child.
struct ProgressReport
{
    DaySpan span;
    QList<DayTally> days;              // the span day by day, week by week beyond a month
    QList<ActivityTally> activities;   // in the menu's order of the activities
    QList<QuestionTally> hardest;      // the ten most often answered wrongly, worst first
    int streak = 0;                    // days in a row with practice, up to today or yesterday
    int asked = 0;
    int right = 0;
    std::optional<ActivityTally> weakest;   // the lowest share of right answers
    const CurriculumEntry *practice = nullptr;   // a worksheet entry that trains the weakest
};

// The rows of one child (any child when `child` is empty), in the order written.
QList<HistoryRow> rowsOfChild(const QList<HistoryRow> &rows, const std::optional<QString> &child);
// The names the rows were written under, in order of first use; an empty name is left out.
QStringList childrenOf(const QList<HistoryRow> &rows);

// The report of `rows` (one child's, or all) for `period` on `today`.
ProgressReport makeReport(const QList<HistoryRow> &rows, Period period, QDate today);

// Days in a row with practice, ending today, or yesterday while today has none yet.
int streakOn(const QList<HistoryRow> &rows, QDate today);
// Time spent answering in `rows`: each answer from its question on screen to the click, at
// most five minutes (a child who walked away was not practising), answers given together
// (a sheet) counted once.
qint64 practiceMsecs(const QList<HistoryRow> &rows);
// The ten questions answered wrongly most often: most wrong first, then the larger share wrong.
QList<QuestionTally> hardestQuestions(const QList<HistoryRow> &rows, int count = 10);

// A worksheet entry that trains what `weakest` asks, suited to the size of its numbers in
// `hardest` (its worst question); null for an activity no worksheet trains.
const CurriculumEntry *practiceEntry(const QString &activity, const QString &hardest);
// One sentence of advice for the parent.
QString adviceText(const ProgressReport &report);

} // namespace abacolo
