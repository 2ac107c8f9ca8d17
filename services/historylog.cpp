#include "services/historylog.h"

#include "services/services.h"
#include "tables/apperror.h"
#include "tables/tables.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>

#include <atomic>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

const auto kFileName = u"history.db"_s;
constexpr int kBusyTimeoutMs = 5000;
const auto kTimeFormat = u"yyyy-MM-ddTHH:mm:ss"_s;

const auto kCreate = uR"(CREATE TABLE IF NOT EXISTS history (
    id INTEGER PRIMARY KEY,
    answered_at TEXT NOT NULL,
    activity TEXT NOT NULL,
    question TEXT NOT NULL,
    answer TEXT NOT NULL,
    is_right INTEGER NOT NULL,
    msecs_taken INTEGER NOT NULL,
    child TEXT NOT NULL DEFAULT ''))"_s;
// One row at most: the name the parent set last.
const auto kCreateCurrentChild = uR"(CREATE TABLE IF NOT EXISTS current_child (
    id INTEGER PRIMARY KEY CHECK (id = 1),
    name TEXT NOT NULL))"_s;

QString newConnectionName()
{
    static std::atomic<quint64> counter{0};
    return u"abacolo-history-"_s + QString::number(++counter);
}

QString damaged()
{
    return u"答题记录文件 “"_s + kFileName + u"” 已损坏或不是有效的记录文件"_s;
}

// Opens the file under `connection`; a file that does not exist yet (or is still empty,
// being made by another copy) is made, any other file must already look like a database.
QSqlDatabase openFile(const QString &path, const QString &connection, bool create)
{
    const QFileInfo info(path);
    const bool exists = info.exists();
    if (exists && (!info.isFile() || (info.size() > 0 && !sqliteHeaderLooksValid(path))))
        throw AppError(damaged());
    if (!exists && !create)
        throw AppError(u"找不到答题记录文件 “"_s + kFileName + u"”"_s);

    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    url.setQuery(create ? u"mode=rwc"_s : u"mode=ro"_s);
    db.setDatabaseName(url.toString(QUrl::FullyEncoded));
    db.setConnectOptions(u"QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT="_s
                         + QString::number(kBusyTimeoutMs));
    if (!db.open())
        throw AppError(u"答题记录文件 “"_s + kFileName + u"” 无法打开："_s + db.lastError().text());
    return db;
}

// The time of a row. The stored form is fixed, so it is read by hand: the general parser
// would be most of the time of reading a long log.
QDateTime timeOfRow(const QString &text)
{
    const QStringView t(text);
    if (t.size() == 19 && t[4] == u'-' && t[7] == u'-' && t[10] == u'T' && t[13] == u':' && t[16] == u':') {
        const QDate date(t.mid(0, 4).toInt(), t.mid(5, 2).toInt(), t.mid(8, 2).toInt());
        const QTime time(t.mid(11, 2).toInt(), t.mid(14, 2).toInt(), t.mid(17, 2).toInt());
        if (date.isValid() && time.isValid())
            return QDateTime(date, time);
    }
    return QDateTime::fromString(text, kTimeFormat);
}

void dropConnection(const QString &connection)
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

// A statement's failure: a file SQLite cannot read is damaged, anything else says why.
[[noreturn]] void failSql(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    if (code == u"11"_s || code == u"26"_s) // SQLITE_CORRUPT, SQLITE_NOTADB
        throw AppError(damaged());
    throw AppError(u"答题记录文件 “"_s + kFileName + u"” 无法写入："_s + error.text());
}

void exec(QSqlQuery &query, const QString &sql)
{
    if (!query.exec(sql))
        failSql(query.lastError());
}

QStringList columnsOfHistory(QSqlQuery &query)
{
    exec(query, u"PRAGMA table_info(history)"_s);
    QStringList columns;
    while (query.next())
        columns.append(query.value(1).toString());
    return columns;
}

// The tables, made where missing; a log from before the child's name gains its column. A
// table of that name that is not the log is left alone.
void makeTables(QSqlQuery &query)
{
    exec(query, kCreate);
    const QStringList columns = columnsOfHistory(query);
    if (!columns.contains(u"answered_at"_s))
        throw AppError(u"答题记录文件 “"_s + kFileName + u"” 无法写入：其中的表不是答题记录"_s);
    if (!columns.contains(u"child"_s))
        exec(query, u"ALTER TABLE history ADD COLUMN child TEXT NOT NULL DEFAULT ''"_s);
    exec(query, kCreateCurrentChild);
}

} // namespace

HistoryLog::HistoryLog(Clock &clock, Dialogs &dialogs, QString directory)
    : m_clock(clock)
    , m_dialogs(dialogs)
    , m_directory(std::move(directory))
{
}

HistoryLog::~HistoryLog()
{
    close();
}

QString HistoryLog::filePath() const
{
    return m_directory + u'/' + kFileName;
}

void HistoryLog::record(const AnsweredQuestion &answered)
{
    try {
        append(answered);
    } catch (const AppError &e) {
        // The next answer tries again with a fresh connection; the trouble is told only once.
        close();
        if (m_reported)
            return;
        m_reported = true;
        m_dialogs.showError(e.message()
                            + u"。答题照常进行，但答题暂时无法记下；文件保持原样。"_s);
    }
}

void HistoryLog::open()
{
    const QString connection = newConnectionName();
    try {
        QSqlDatabase db = openFile(filePath(), connection, true);
        QSqlQuery query(db);
        exec(query, u"PRAGMA busy_timeout = "_s + QString::number(kBusyTimeoutMs));
        // Every commit is on disk before it returns.
        exec(query, u"PRAGMA synchronous = FULL"_s);
        makeTables(query);
    } catch (...) {
        dropConnection(connection);
        throw;
    }
    m_connection = connection;
}

void HistoryLog::close()
{
    if (m_connection.isEmpty())
        return;
    dropConnection(m_connection);
    m_connection.clear();
}

void HistoryLog::append(const AnsweredQuestion &answered)
{
    if (m_connection.isEmpty())
        open();
    const QDateTime at = QDateTime::fromSecsSinceEpoch(m_clock.secondsNow());
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    // One statement is one transaction: the row is whole or absent, and waits out another
    // copy's write.
    if (!query.prepare(u"INSERT INTO history (answered_at, activity, question, answer, is_right, msecs_taken, child)"
                       " VALUES (?, ?, ?, ?, ?, ?, COALESCE((SELECT name FROM current_child), ''))"_s))
        failSql(query.lastError());
    query.addBindValue(at.toString(kTimeFormat));
    query.addBindValue(answered.activity);
    query.addBindValue(answered.question);
    query.addBindValue(answered.answer);
    query.addBindValue(answered.right ? 1 : 0);
    query.addBindValue(answered.msecsTaken);
    if (!query.exec())
        failSql(query.lastError());
}

QList<HistoryRow> HistoryLog::readRows(const QString &filePath)
{
    const QString connection = newConnectionName();
    QList<HistoryRow> rows;
    try {
        QSqlDatabase db = openFile(filePath, connection, false);
        QSqlQuery query(db);
        query.setForwardOnly(true);
        // A log from before the child's name, not yet opened for writing, has no such column.
        const QString child = columnsOfHistory(query).contains(u"child"_s) ? u"child"_s : u"''"_s;
        exec(query, u"SELECT answered_at, activity, question, answer, is_right, msecs_taken, "_s + child
                    + u" FROM history ORDER BY id"_s);
        while (query.next()) {
            HistoryRow row;
            row.answeredAt = timeOfRow(query.value(0).toString());
            row.answered.activity = query.value(1).toString();
            row.answered.question = query.value(2).toString();
            row.answered.answer = query.value(3).toString();
            row.answered.right = query.value(4).toInt() != 0;
            row.answered.msecsTaken = query.value(5).toLongLong();
            row.child = query.value(6).toString();
            rows.append(row);
        }
    } catch (...) {
        dropConnection(connection);
        throw;
    }
    dropConnection(connection);
    return rows;
}

QString HistoryLog::currentChild(const QString &filePath)
{
    if (!QFileInfo::exists(filePath))
        return QString();
    const QString connection = newConnectionName();
    QString name;
    try {
        QSqlDatabase db = openFile(filePath, connection, false);
        QSqlQuery query(db);
        // A log made before names existed has no such table: no name was set.
        if (db.tables().contains(u"current_child"_s)) {
            exec(query, u"SELECT name FROM current_child"_s);
            if (query.next())
                name = query.value(0).toString();
        }
    } catch (...) {
        dropConnection(connection);
        throw;
    }
    dropConnection(connection);
    return name;
}

void HistoryLog::setCurrentChild(const QString &filePath, const QString &name)
{
    const QString connection = newConnectionName();
    try {
        QSqlDatabase db = openFile(filePath, connection, true);
        QSqlQuery query(db);
        exec(query, u"PRAGMA busy_timeout = "_s + QString::number(kBusyTimeoutMs));
        makeTables(query);
        if (!query.prepare(u"INSERT OR REPLACE INTO current_child (id, name) VALUES (1, ?)"_s))
            failSql(query.lastError());
        query.addBindValue(name.isNull() ? u""_s : name);   // a null string would bind as NULL
        if (!query.exec())
            failSql(query.lastError());
    } catch (...) {
        dropConnection(connection);
        throw;
    }
    dropConnection(connection);
}

} // namespace abacolo
