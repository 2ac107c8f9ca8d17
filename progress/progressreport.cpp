#include "progress/progressreport.h"

#include "services/activitycatalog.h"
#include "worksheets/curriculum.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

// Beyond this many days a bar stands for a week.
constexpr qint64 DailyBarsUpTo = 31;
constexpr qint64 LongestAnswerMsecs = 5 * 60 * 1000;
constexpr qint64 MSecsPerDay = 24 * 60 * 60 * 1000;
constexpr int QuestionsAdvised = 1;

// The worksheet kind that trains each activity. One not listed here asks sums and is trained
// by the sign of its hardest one.
std::optional<Kind> kindTraining(const QString &activity)
{
    static const QHash<QString, Kind> kinds{
        {u"counting"_s, Kind::CountPictures}, {u"addition"_s, Kind::Addition},
        {u"subtraction"_s, Kind::Subtraction}, {u"ordering"_s, Kind::FillSequence},
        {u"colouring"_s, Kind::ColourObjects}, {u"shapes"_s, Kind::ColourShapes},
        {u"multiples"_s, Kind::FillSequence}, {u"comparing"_s, Kind::CountPictures},
        {u"clock"_s, Kind::FillSequence}, {u"memory"_s, Kind::CountPictures},
        {u"paths"_s, Kind::FillSequence}, {u"directions"_s, Kind::CountPictures},
        {u"balance"_s, Kind::MissingAddend}, {u"half"_s, Kind::SplitSum},
        {u"bar_graphs"_s, Kind::CountPictures}, {u"times_tables"_s, Kind::Multiplication},
    };
    const auto it = kinds.constFind(activity);
    return it == kinds.cend() ? std::nullopt : std::optional<Kind>(*it);
}

// The kind of a sheet's question from its sign: "7-3" is a subtraction.
Kind kindOfSum(const QString &question)
{
    static const QRegularExpression sign(u"\\d\\s*([-+x×÷])"_s);
    const QRegularExpressionMatch match = sign.match(question);
    const QString op = match.hasMatch() ? match.captured(1) : u"+"_s;
    if (op == u"-"_s)
        return Kind::Subtraction;
    if (op == u"x"_s || op == u"×"_s)
        return Kind::Multiplication;
    if (op == u"÷"_s)
        return Kind::Division;
    return Kind::Addition;
}

// The largest number a question deals with: of a sum its operands and its result.
int largestNumberIn(const QString &question)
{
    static const QRegularExpression number(u"\\d+"_s);
    static const QRegularExpression sum(u"(\\d+)\\s*([-+x×÷])\\s*(\\d+)"_s);
    int largest = 0;
    auto matches = number.globalMatch(question);
    while (matches.hasNext())
        largest = std::max(largest, matches.next().captured().toInt());
    const QRegularExpressionMatch match = sum.match(question);
    if (match.hasMatch()) {
        const int a = match.captured(1).toInt();
        const int b = match.captured(3).toInt();
        const QString op = match.captured(2);
        largest = std::max(largest, op == u"+"_s ? a + b : op == u"x"_s || op == u"×"_s ? a * b : 0);
    }
    return largest;
}

QDate mondayOf(QDate day)
{
    return day.addDays(1 - day.dayOfWeek());
}

QList<DayTally> emptyBars(DaySpan span)
{
    QList<DayTally> bars;
    const bool weekly = span.days() > DailyBarsUpTo;
    for (QDate day = span.first; day <= span.last;) {
        const QDate end = weekly ? std::min(mondayOf(day).addDays(6), span.last) : day;
        bars.append(DayTally{DaySpan{day, end}});
        day = end.addDays(1);
    }
    return bars;
}

} // namespace

DaySpan periodSpan(Period period, QDate today, QDate firstDay)
{
    switch (period) {
    case Period::Week:
        return {mondayOf(today), today};
    case Period::Month:
        return {QDate(today.year(), today.month(), 1), today};
    case Period::All:
        break;
    }
    return {std::min(firstDay, today), today};
}

std::optional<DaySpan> previousSpan(Period period, DaySpan current)
{
    switch (period) {
    case Period::Week:
        return DaySpan{current.first.addDays(-7), current.first.addDays(-1)};
    case Period::Month:
        return DaySpan{current.first.addMonths(-1), current.first.addDays(-1)};
    case Period::All:
        break;
    }
    return std::nullopt;
}

QList<HistoryRow> rowsOfChild(const QList<HistoryRow> &rows, const std::optional<QString> &child)
{
    if (!child)
        return rows;
    QList<HistoryRow> mine;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(mine),
                 [&](const HistoryRow &row) { return row.child == *child; });
    return mine;
}

QStringList childrenOf(const QList<HistoryRow> &rows)
{
    QStringList names;
    for (const HistoryRow &row : rows) {
        if (!row.child.isEmpty() && !names.contains(row.child))
            names.append(row.child);
    }
    return names;
}

int streakOn(const QList<HistoryRow> &rows, QDate today)
{
    QList<QDate> days;
    days.reserve(rows.size());
    for (const HistoryRow &row : rows)
        days.append(row.answeredAt.date());
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());

    // A streak still alive: today, or yesterday while today's practice has not started.
    QDate expected = days.contains(today) ? today : today.addDays(-1);
    int streak = 0;
    for (auto it = std::upper_bound(days.begin(), days.end(), expected); it != days.begin();) {
        --it;
        if (*it != expected)
            break;
        ++streak;
        expected = expected.addDays(-1);
    }
    return streak;
}

qint64 practiceMsecs(const QList<HistoryRow> &rows)
{
    QList<std::pair<qint64, qint64>> spans;
    spans.reserve(rows.size());
    for (const HistoryRow &row : rows) {
        // Wall-clock time: no time zone to look up for each row.
        const qint64 end = row.answeredAt.date().toJulianDay() * MSecsPerDay + row.answeredAt.time().msecsSinceStartOfDay();
        spans.append({end - std::clamp<qint64>(row.answered.msecsTaken, 0, LongestAnswerMsecs), end});
    }
    std::sort(spans.begin(), spans.end());
    qint64 total = 0;
    qint64 coveredTo = std::numeric_limits<qint64>::min();
    for (const auto &[start, end] : spans) {
        const qint64 from = std::max(start, coveredTo);
        if (end > from)
            total += end - from;
        coveredTo = std::max(coveredTo, end);
    }
    return total;
}

QList<QuestionTally> hardestQuestions(const QList<HistoryRow> &rows, int count)
{
    QHash<std::pair<QString, QString>, QuestionTally> tallies;
    for (const HistoryRow &row : rows) {
        QuestionTally &tally = tallies[{row.answered.activity, row.answered.question}];
        if (tally.asked == 0) {
            tally.activity = row.answered.activity;
            tally.question = row.answered.question;
        }
        ++tally.asked;
        tally.right += row.answered.right ? 1 : 0;
    }
    QList<QuestionTally> wrongly;
    for (const QuestionTally &tally : std::as_const(tallies)) {
        if (tally.wrong() > 0)
            wrongly.append(tally);
    }
    std::sort(wrongly.begin(), wrongly.end(), [](const QuestionTally &a, const QuestionTally &b) {
        if (a.wrong() != b.wrong())
            return a.wrong() > b.wrong();
        // The larger share wrong: a.wrong/a.asked > b.wrong/b.asked.
        if (qint64(a.wrong()) * b.asked != qint64(b.wrong()) * a.asked)
            return qint64(a.wrong()) * b.asked > qint64(b.wrong()) * a.asked;
        return std::pair(activityRank(a.activity), a.question) < std::pair(activityRank(b.activity), b.question);
    });
    if (wrongly.size() > count)
        wrongly.resize(count);
    return wrongly;
}

ProgressReport makeReport(const QList<HistoryRow> &rows, Period period, QDate today)
{
    ProgressReport report;
    QDate firstDay = today;
    for (const HistoryRow &row : rows)
        firstDay = std::min(firstDay, row.answeredAt.date());
    report.span = periodSpan(period, today, firstDay);
    const std::optional<DaySpan> before = previousSpan(period, report.span);

    QList<HistoryRow> inSpan;
    QHash<QString, std::pair<int, int>> previous;   // activity: asked, right
    QList<QList<HistoryRow>> rowsOfBar;
    report.days = emptyBars(report.span);
    rowsOfBar.resize(report.days.size());
    QHash<QString, ActivityTally> tallies;
    for (const HistoryRow &row : rows) {
        const QDate day = row.answeredAt.date();
        if (before && before->contains(day)) {
            auto &[asked, right] = previous[row.answered.activity];
            ++asked;
            right += row.answered.right ? 1 : 0;
        }
        if (!report.span.contains(day))
            continue;
        inSpan.append(row);
        // Bars are in day order and cover the span without gaps.
        const auto bar = std::upper_bound(report.days.begin(), report.days.end(), day,
                                          [](QDate d, const DayTally &t) { return d < t.span.first; }) - 1;
        (row.answered.right ? bar->right : bar->wrong) += 1;
        rowsOfBar[bar - report.days.begin()].append(row);
        ActivityTally &tally = tallies[row.answered.activity];
        tally.activity = row.answered.activity;
        ++tally.asked;
        tally.right += row.answered.right ? 1 : 0;
        ++report.asked;
        report.right += row.answered.right ? 1 : 0;
    }
    for (qsizetype i = 0; i < report.days.size(); ++i)
        report.days[i].practiceMsecs = practiceMsecs(rowsOfBar.at(i));

    for (ActivityTally tally : std::as_const(tallies)) {
        const auto [asked, right] = previous.value(tally.activity);
        if (asked > 0)
            tally.previousShare = double(right) / asked;
        report.activities.append(tally);
    }
    std::sort(report.activities.begin(), report.activities.end(), [](const ActivityTally &a, const ActivityTally &b) {
        return std::pair(activityRank(a.activity), a.activity) < std::pair(activityRank(b.activity), b.activity);
    });

    report.hardest = hardestQuestions(inSpan);
    report.streak = streakOn(rows, today);

    for (const ActivityTally &tally : std::as_const(report.activities)) {
        // Lowest share first; of equal shares the one practised more says more.
        if (!report.weakest || tally.share() < report.weakest->share()
            || (tally.share() == report.weakest->share() && tally.asked > report.weakest->asked))
            report.weakest = tally;
    }
    if (report.weakest) {
        QList<HistoryRow> ofWeakest;
        std::copy_if(inSpan.begin(), inSpan.end(), std::back_inserter(ofWeakest),
                     [&](const HistoryRow &row) { return row.answered.activity == report.weakest->activity; });
        const QList<QuestionTally> worst = hardestQuestions(ofWeakest, QuestionsAdvised);
        report.practice = practiceEntry(report.weakest->activity, worst.isEmpty() ? QString() : worst.first().question);
    }
    return report;
}

const CurriculumEntry *practiceEntry(const QString &activity, const QString &hardest)
{
    if (activityRank(activity) >= int(activityCatalog().size()))
        return nullptr;
    const Kind kind = kindTraining(activity).value_or(kindOfSum(hardest));
    // The easiest entry of the kind whose numbers reach those of the worst question.
    const int largest = largestNumberIn(hardest);
    const CurriculumEntry *last = nullptr;
    for (const CurriculumEntry &entry : curriculum()) {
        if (entry.recipe.kind != kind)
            continue;
        const int reach = entry.recipe.limit > 0 ? entry.recipe.limit : entry.recipe.high;
        if (reach == 0 || reach >= largest)
            return &entry;
        last = &entry;
    }
    return last;
}

QString adviceText(const ProgressReport &report)
{
    if (!report.weakest)
        return u"这段时间还没有答题记录。和孩子一起选一个练习开始吧！"_s;
    const QString name = u"“"_s + activityName(report.weakest->activity) + u"”"_s;
    const QString percent = QString::number(qRound(report.weakest->share() * 100)) + u"%"_s;
    const QString sheet = report.practice
        ? u"可以打印练习“"_s + report.practice->caption + u"”一起练一练。"_s
        : u"可以多玩几次这个练习。"_s;
    if (report.weakest->right == report.weakest->asked)
        return u"全部答对了，真棒！想再练一练"_s + name + u"，"_s + sheet;
    return name + u"答对的比例最低（"_s + percent + u"），"_s + sheet;
}

} // namespace abacolo
