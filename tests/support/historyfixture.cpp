#include "tests/support/historyfixture.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace abacolo::test {

HistoryRow answerAt(QDate day, QTime time, const QString &activity, const QString &question, bool right,
                    qint64 msecsTaken, const QString &child)
{
    HistoryRow row;
    row.answeredAt = QDateTime(day, time);
    row.answered = {activity, question, right ? u"right"_s : u"wrong"_s, right, msecsTaken};
    row.child = child;
    return row;
}

void writeHistory(const QString &path, const QList<HistoryRow> &rows)
{
    HistoryLog::setCurrentChild(path, QString());
    const QString connection = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
        db.setDatabaseName(path);
        if (!db.open() || !db.transaction())
            qFatal("cannot open %s", qPrintable(path));
        QSqlQuery query(db);
        query.prepare(u"INSERT INTO history (answered_at, activity, question, answer, is_right, msecs_taken, child)"
                      " VALUES (?, ?, ?, ?, ?, ?, ?)"_s);
        for (const HistoryRow &row : rows) {
            query.addBindValue(row.answeredAt.toString(u"yyyy-MM-ddTHH:mm:ss"_s));
            query.addBindValue(row.answered.activity);
            query.addBindValue(row.answered.question);
            query.addBindValue(row.answered.answer);
            query.addBindValue(row.answered.right ? 1 : 0);
            query.addBindValue(row.answered.msecsTaken);
            query.addBindValue(row.child.isNull() ? u""_s : row.child);
            if (!query.exec())
                qFatal("cannot write %s: %s", qPrintable(path), qPrintable(query.lastError().text()));
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(connection);
}

QList<HistoryRow> manyAnswers(int count, QDate lastDay)
{
    const QStringList activities{u"counting"_s, u"addition"_s, u"subtraction"_s,
                                 u"sheet"_s, u"ordering"_s, u"colouring"_s};
    QList<HistoryRow> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        int dayBack = 119 - int(qint64(i) * 120 / count);
        if (dayBack % 9 == 4)   // days without practice
            ++dayBack;
        const int a = i % 10;
        const int b = (i / 10) % 10;
        const QString &activity = activities.at(i % activities.size());
        rows.append(answerAt(lastDay.addDays(-dayBack), QTime(8, 0).addSecs((i % 2000) * 20), activity,
                             QString::number(a) + u'+' + QString::number(b), (i * 7) % 4 != 0, 3000 + (i % 7) * 1000,
                             i % 3 == 0 ? u"小红"_s : u"小明"_s));
    }
    return rows;
}

} // namespace abacolo::test
