#include "progress/historycsv.h"

#include "progress/progressreport.h"
#include "services/activitycatalog.h"
#include "tables/apperror.h"

#include <QSaveFile>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");
const QStringList Header{u"时间"_s, u"孩子"_s, u"活动"_s, u"活动代号"_s, u"题目"_s,
                         u"回答"_s, u"对错"_s, u"用时（毫秒）"_s};
const auto TimeFormat = u"yyyy-MM-dd HH:mm:ss"_s;
const auto Right = u"对"_s;
const auto Wrong = u"错"_s;

QString field(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

// The records of `text`, each a list of fields; quoted fields may hold line breaks.
QList<QStringList> records(const QString &text)
{
    QList<QStringList> result;
    QStringList record;
    QString current;
    bool quoted = false;
    bool wasQuoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                current.append(u'"');
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                current.append(c);
            }
        } else if (c == u'"' && current.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == u',') {
            record.append(std::exchange(current, {}));
            wasQuoted = false;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            record.append(std::exchange(current, {}));
            result.append(std::exchange(record, {}));
            wasQuoted = false;
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty() || !record.isEmpty() || wasQuoted) {
        record.append(current);
        result.append(record);
    }
    return result;
}

[[noreturn]] void unreadable(qsizetype record, const QString &why)
{
    throw AppError(u"表格文件第 "_s + QString::number(record + 1) + u" 行无法读取："_s + why);
}

} // namespace

QByteArray historyCsv(const QList<HistoryRow> &rows)
{
    QString text = Header.join(u',') + u"\r\n"_s;
    for (const HistoryRow &row : rows) {
        const QStringList fields{row.answeredAt.toString(TimeFormat),
                                 row.child,
                                 activityName(row.answered.activity),
                                 row.answered.activity,
                                 row.answered.question,
                                 row.answered.answer,
                                 row.answered.right ? Right : Wrong,
                                 QString::number(row.answered.msecsTaken)};
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text.append(u',');
            text.append(field(fields.at(i)));
        }
        text.append(u"\r\n"_s);
    }
    return ByteOrderMark + text.toUtf8();
}

QList<HistoryRow> rowsFromCsv(const QByteArray &csv)
{
    if (!csv.startsWith(ByteOrderMark))
        throw AppError(u"这不是成长记录导出的表格文件（开头缺少 UTF-8 标记）"_s);
    const QList<QStringList> all = records(QString::fromUtf8(csv.mid(ByteOrderMark.size())));
    if (all.isEmpty() || all.first() != Header)
        throw AppError(u"这不是成长记录导出的表格文件（第一行不是表头）"_s);
    QList<HistoryRow> rows;
    for (qsizetype r = 1; r < all.size(); ++r) {
        const QStringList &f = all.at(r);
        if (f.size() != Header.size())
            unreadable(r, u"应有 "_s + QString::number(Header.size()) + u" 列，实际 "_s + QString::number(f.size()) + u" 列"_s);
        HistoryRow row;
        row.answeredAt = QDateTime::fromString(f.at(0), TimeFormat);
        if (!row.answeredAt.isValid())
            unreadable(r, u"时间 “"_s + f.at(0) + u"” 不对"_s);
        row.child = f.at(1);
        row.answered.activity = f.at(3);
        row.answered.question = f.at(4);
        row.answered.answer = f.at(5);
        if (f.at(6) != Right && f.at(6) != Wrong)
            unreadable(r, u"对错一栏应是 “对” 或 “错”"_s);
        row.answered.right = f.at(6) == Right;
        bool ok = false;
        row.answered.msecsTaken = f.at(7).toLongLong(&ok);
        if (!ok)
            unreadable(r, u"用时 “"_s + f.at(7) + u"” 不是整数"_s);
        rows.append(row);
    }
    return rows;
}

void saveHistoryCsv(const QString &path, const QList<HistoryRow> &rows)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(historyCsv(rows)) < 0 || !file.commit())
        throw AppError(u"无法保存表格文件 “"_s + path + u"”："_s + file.errorString());
}

} // namespace abacolo
