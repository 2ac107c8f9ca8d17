#include "tables/tables.h"

#include "tables/apperror.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryFile>
#include <QUrl>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <memory>

using namespace Qt::StringLiterals;

// Table files are SQLite databases. Each holds one data table named after the file's stem and
// the table `protection`, whose rows carry a random salt and the SHA-256 of salt + password
// (UTF-8): a file opens only if a session password matches one of them.
//
// Writes go through one write transaction per edit: edit() takes the file's write lock with
// BEGIN IMMEDIATE (waiting up to the busy timeout for another writer) and re-reads the current
// record inside it; post() writes the changed fields and commits. A read-modify-write between
// edit() and post() is therefore never interleaved with another component's or process's.

namespace abacolo {

namespace {

constexpr int kBusyTimeoutMs = 3000;
const auto kProtectionTable = u"protection"_s;

QString quoted(const QString &identifier)
{
    QString escaped = identifier;
    escaped.replace(u'"', u"\"\""_s);
    return u'"' + escaped + u'"';
}

// The table held by a file: its name up to the first '.'.
QString stemOf(const QString &filePath)
{
    const QString name = QFileInfo(filePath).fileName();
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString newConnectionName()
{
    static std::atomic<quint64> counter{0};
    return u"abacolo-table-"_s + QString::number(++counter);
}

QByteArray passwordDigest(const QByteArray &salt, const QString &password)
{
    const QByteArray salted = salt + password.toUtf8();
    return QCryptographicHash::hash(salted, QCryptographicHash::Sha256).toHex();
}

bool isBusy(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    return code == u"5"_s || code == u"6"_s; // SQLITE_BUSY, SQLITE_LOCKED
}

// Splits a seed script into statements: a statement ends with ';' at the end of a line.
// Lines starting with "--" are comments.
QStringList scriptStatements(const QString &script)
{
    QStringList statements;
    QString current;
    const QStringList lines = script.split(u'\n');
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u"--"_s))
            continue;
        current += line + u'\n';
        if (trimmed.endsWith(u';')) {
            statements.append(current.trimmed());
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

// Removes a connection once every handle on it is gone.
class ConnectionGuard
{
public:
    explicit ConnectionGuard(QString name) : m_name(std::move(name)) {}
    ~ConnectionGuard()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (db.isValid())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    Q_DISABLE_COPY_MOVE(ConnectionGuard)

private:
    QString m_name;
};

} // namespace

bool sqliteHeaderLooksValid(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        return false;
    const auto *bytes = reinterpret_cast<const uchar *>(header.constData());
    qint64 pageSize = qFromBigEndian<quint16>(bytes + 16);
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0)
        return false;
    if (size < pageSize || size % pageSize != 0)
        return false;
    const quint32 changeCounter = qFromBigEndian<quint32>(bytes + 24);
    const quint32 pageCount = qFromBigEndian<quint32>(bytes + 28);
    const quint32 validFor = qFromBigEndian<quint32>(bytes + 92);
    if (pageCount != 0 && changeCounter == validFor && size < qint64(pageCount) * pageSize)
        return false;
    return true;
}

struct Table::Engine
{
    QString connection;
    QString table;                 // the stem, unquoted
    QStringList fields;
    QVector<qint64> rowids;        // the records in rowid order
    int index = -1;                // current record, -1 when the table is empty
    QVector<QVariant> values;      // the current record (the edit buffer while editing)
    QVector<bool> changed;
    bool editing = false;
    bool inserting = false;

    QSqlDatabase db() const { return QSqlDatabase::database(connection, false); }

    // Runs a statement that returns no rows; returns its error, if any.
    QSqlError exec(const QString &sql) const
    {
        QSqlQuery query(db());
        if (query.exec(sql))
            return {};
        return query.lastError();
    }

    void dropConnection()
    {
        {
            QSqlDatabase handle = db();
            if (handle.isValid())
                handle.close();
        }
        QSqlDatabase::removeDatabase(connection);
    }
};

namespace {
QString &defaultDirectory()
{
    static QString directory = QString(); // empty: the current directory
    return directory;
}
} // namespace

void Table::setDefaultDirectory(const QString &directory)
{
    defaultDirectory() = directory;
}

QString Table::filePath() const
{
    const QString fallback = defaultDirectory().isEmpty() ? QDir::currentPath() : defaultDirectory();
    const QString directory = m_databaseName.isEmpty() ? fallback : m_databaseName;
    return directory + u'/' + m_tableName;
}

Table::Table(TableSession &session, const QString &tableName, QObject *parent)
    : QObject(parent), m_session(session), m_tableName(tableName)
{
}

Table::~Table()
{
    closeEngine();
}

void Table::fail(const QString &what) const
{
    throw AppError(what);
}

void Table::failSql(const QString &doing, const QSqlError &error) const
{
    fail(engineFailureText(m_tableName, doing, error));
}

void Table::requireActive() const
{
    if (m_engine)
        return;
    if (!m_openFailure.isEmpty())
        fail(u"表格 “"_s + m_tableName + u"” 没有打开：\n"_s + m_openFailure);
    fail(u"表格 “"_s + m_tableName + u"” 没有打开"_s);
}

bool Table::active() const
{
    return m_engine != nullptr;
}

bool Table::editing() const
{
    return m_engine && m_engine->editing;
}

void Table::setActive(bool active)
{
    if (active) {
        open();
    } else if (m_engine) {
        closeEngine();
        Q_EMIT recordChanged();
    }
}

void Table::closeEngine()
{
    if (!m_engine)
        return;
    if (m_engine->editing)
        m_engine->exec(u"ROLLBACK"_s);
    m_engine->dropConnection();
    delete m_engine;
    m_engine = nullptr;
}

void Table::open()
{
    if (m_engine)
        return;
    try {
        openEngine();
        m_openFailure.clear();
    } catch (const AppError &e) {
        // Kept for whoever uses the closed table later: the reason is the useful part.
        m_openFailure = e.message();
        throw;
    }
}

void Table::openEngine()
{
    const QString path = filePath();
    const QString corrupt = u"表格文件 “"_s + m_tableName + u"” 已损坏或不是有效的表格文件"_s;

    // Never let SQLite create the file: check it exists and open it with mode=rw.
    const QFileInfo info(path);
    if (!info.exists())
        fail(u"找不到表格文件 “"_s + m_tableName + u"”："_s + QDir::toNativeSeparators(path));
    if (!info.isFile() || !sqliteHeaderLooksValid(path))
        fail(corrupt);

    auto engine = std::make_unique<Engine>();
    engine->connection = newConnectionName();
    engine->table = stemOf(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, engine->connection);
        QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
        url.setQuery(u"mode=rw"_s);
        db.setDatabaseName(url.toString(QUrl::FullyEncoded));
        db.setConnectOptions(u"QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT="_s
                             + QString::number(kBusyTimeoutMs));
    }
    // From here on a failure drops the connection again.
    struct Dropper
    {
        Engine *engine;
        ~Dropper()
        {
            if (engine)
                engine->dropConnection();
        }
    } dropper{engine.get()};

    QSqlDatabase db = engine->db();
    if (!db.open())
        failSql(u"打开"_s, db.lastError());
    {
        QSqlQuery query(db);
        if (!query.exec(u"PRAGMA busy_timeout = "_s + QString::number(kBusyTimeoutMs)))
            failSql(u"打开"_s, query.lastError());
    }

    // The file's structure: intact, the data table and the password mark present.
    {
        QSqlQuery query(db);
        if (!query.exec(u"PRAGMA quick_check"_s)) {
            if (isBusy(query.lastError()))
                failSql(u"打开"_s, query.lastError());
            fail(corrupt);
        }
        if (!query.next() || query.value(0).toString() != u"ok"_s)
            fail(corrupt);
    }
    auto hasTable = [&](const QString &name) {
        QSqlQuery query(db);
        // cppcheck-suppress ignoredReturnErrorCode ; a failed prepare makes the exec below fail, and that is checked
        query.prepare(u"SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"_s);
        query.addBindValue(name);
        if (!query.exec())
            fail(corrupt);
        return query.next();
    };
    if (!hasTable(engine->table))
        fail(corrupt + u"（缺少表 “"_s + engine->table + u"”）"_s);
    if (!hasTable(kProtectionTable))
        fail(corrupt + u"（缺少密码标记）"_s);

    // The password.
    {
        QSqlQuery query(db);
        if (!query.exec(u"SELECT salt, digest FROM "_s + quoted(kProtectionTable)))
            fail(corrupt + u"（密码标记无法读取）"_s);
        bool matched = false;
        while (!matched && query.next()) {
            const QByteArray salt = QByteArray::fromHex(query.value(0).toString().toLatin1());
            const QByteArray digest = query.value(1).toString().toLatin1();
            for (const QString &password : m_session.passwords()) {
                if (passwordDigest(salt, password) == digest) {
                    matched = true;
                    break;
                }
            }
        }
        if (!matched)
            fail(u"表格 “"_s + m_tableName + u"” 受密码保护：密码无效或未提供"_s);
    }

    // The fields, in column order.
    {
        QSqlQuery query(db);
        if (!query.exec(u"PRAGMA table_info("_s + quoted(engine->table) + u')'))
            fail(corrupt);
        while (query.next())
            engine->fields.append(query.value(1).toString());
        if (engine->fields.isEmpty())
            fail(corrupt);
    }
    {
        QSqlQuery query(db);
        if (!query.exec(u"SELECT rowid FROM "_s + quoted(engine->table) + u" LIMIT 1"_s))
            fail(corrupt + u"（记录没有行号）"_s);
    }
    engine->values.resize(engine->fields.size());
    engine->changed.fill(false, engine->fields.size());

    dropper.engine = nullptr;
    db = QSqlDatabase();
    m_engine = engine.release();
    try {
        loadCurrent();
    } catch (...) {
        closeEngine();
        throw;
    }
    Q_EMIT recordChanged();
}

void Table::reloadRowids()
{
    Engine &e = *m_engine;
    QSqlQuery query(e.db());
    if (!query.exec(u"SELECT rowid FROM "_s + quoted(e.table) + u" ORDER BY rowid"_s))
        failSql(u"读取"_s, query.lastError());
    QVector<qint64> rowids;
    while (query.next())
        rowids.append(query.value(0).toLongLong());
    e.rowids = rowids;
}

void Table::readRecord()
{
    Engine &e = *m_engine;
    e.values.fill(QVariant(), e.fields.size());
    e.changed.fill(false, e.fields.size());
    if (e.index < 0)
        return;
    QSqlQuery query(e.db());
    // cppcheck-suppress ignoredReturnErrorCode ; a failed prepare makes the exec below fail, and that is checked
    query.prepare(u"SELECT * FROM "_s + quoted(e.table) + u" WHERE rowid = ?"_s);
    query.addBindValue(e.rowids.at(e.index));
    if (!query.exec())
        failSql(u"读取"_s, query.lastError());
    if (!query.next())
        return;
    for (int i = 0; i < e.fields.size(); ++i)
        e.values[i] = query.isNull(i) ? QVariant() : query.value(i);
}

// Re-reads the record list and the current record; the current position is clamped to it.
void Table::loadCurrent()
{
    Engine &e = *m_engine;
    const qint64 currentRowid = e.index >= 0 && e.index < e.rowids.size() ? e.rowids.at(e.index) : -1;
    reloadRowids();
    if (e.rowids.isEmpty()) {
        e.index = -1;
    } else {
        const qsizetype at = currentRowid < 0 ? -1 : e.rowids.indexOf(currentRowid);
        e.index = at >= 0 ? int(at) : std::clamp(e.index, 0, int(e.rowids.size()) - 1);
    }
    readRecord();
}

void Table::moveTo(int target, bool relative)
{
    requireActive();
    if (m_engine->editing)
        post(); // moving stores the edit in progress
    loadCurrent();
    Engine &e = *m_engine;
    if (!e.rowids.isEmpty()) {
        const qint64 wanted = relative ? qint64(e.index) + target : qint64(target);
        e.index = int(std::clamp<qint64>(wanted, 0, e.rowids.size() - 1));
        readRecord();
    }
    Q_EMIT recordChanged();
}

void Table::first()
{
    moveTo(0, false);
}

void Table::next()
{
    moveTo(1, true);
}

void Table::prior()
{
    moveTo(-1, true);
}

void Table::moveBy(int distance)
{
    moveTo(distance, true);
}

int Table::recordCount() const
{
    requireActive();
    return int(m_engine->rowids.size());
}

int Table::recordNumber() const
{
    requireActive();
    return m_engine->index + 1;
}

void Table::edit()
{
    requireActive();
    Engine &e = *m_engine;
    if (e.editing)
        return;
    if (const QSqlError error = e.exec(u"BEGIN IMMEDIATE"_s); error.isValid())
        failSql(u"修改"_s, error);
    e.editing = true;
    try {
        loadCurrent();
    } catch (...) {
        e.exec(u"ROLLBACK"_s);
        e.editing = false;
        throw;
    }
    e.inserting = e.index < 0;
}

void Table::post()
{
    requireActive();
    Engine &e = *m_engine;
    if (!e.editing)
        return;

    QStringList columns;
    QVariantList values;
    for (int i = 0; i < e.fields.size(); ++i) {
        if (e.changed.at(i)) {
            columns.append(quoted(e.fields.at(i)));
            values.append(e.values.at(i));
        }
    }

    QSqlError error;
    qint64 insertedRowid = -1;
    if (e.inserting || !columns.isEmpty()) {
        QSqlQuery query(e.db());
        if (e.inserting) {
            if (columns.isEmpty()) {
                // cppcheck-suppress ignoredReturnErrorCode ; a failed prepare makes the exec below fail, and that is checked
                query.prepare(u"INSERT INTO "_s + quoted(e.table) + u" DEFAULT VALUES"_s);
            } else {
                QStringList marks;
                marks.fill(u"?"_s, columns.size());
                // cppcheck-suppress ignoredReturnErrorCode ; a failed prepare makes the exec below fail, and that is checked
                query.prepare(u"INSERT INTO "_s + quoted(e.table) + u" ("_s + columns.join(u", "_s)
                              + u") VALUES ("_s + marks.join(u", "_s) + u')');
            }
        } else {
            // cppcheck-suppress ignoredReturnErrorCode ; a failed prepare makes the exec below fail, and that is checked
            query.prepare(u"UPDATE "_s + quoted(e.table) + u" SET "_s
                          + columns.join(u" = ?, "_s) + u" = ? WHERE rowid = ?"_s);
        }
        for (const QVariant &value : std::as_const(values))
            query.addBindValue(value);
        if (!e.inserting)
            query.addBindValue(e.rowids.at(e.index));
        if (!query.exec())
            error = query.lastError();
        else if (e.inserting)
            insertedRowid = query.lastInsertId().toLongLong();
    }
    if (!error.isValid())
        error = e.exec(u"COMMIT"_s);
    if (error.isValid()) {
        e.exec(u"ROLLBACK"_s);
        e.editing = false;
        e.inserting = false;
        try {
            loadCurrent();
        } catch (const AppError &) {
            // The write's failure is the one to report.
        }
        Q_EMIT recordChanged();
        failSql(u"保存"_s, error);
    }

    const bool inserted = e.inserting;
    e.editing = false;
    e.inserting = false;
    if (inserted) {
        reloadRowids();
        const qsizetype at = e.rowids.indexOf(insertedRowid);
        e.index = at >= 0 ? int(at) : int(e.rowids.size()) - 1;
    }
    loadCurrent();
    Q_EMIT recordChanged();
}

TableEdit::TableEdit(Table &table) : m_table(table)
{
    m_table.edit();
}

TableEdit::~TableEdit()
{
    if (!m_table.editing())
        return;
    try {
        m_table.cancel();
    } catch (...) {
    }
}

void TableEdit::post()
{
    m_table.post();
}

void Table::cancel()
{
    requireActive();
    Engine &e = *m_engine;
    if (!e.editing)
        return;
    e.exec(u"ROLLBACK"_s);
    e.editing = false;
    e.inserting = false;
    loadCurrent();
    Q_EMIT recordChanged();
}

QStringList Table::fieldNames() const
{
    requireActive();
    return m_engine->fields;
}

Field Table::fieldByName(const QString &name)
{
    requireActive();
    const QStringList &fields = m_engine->fields;
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return Field(*this, i);
    }
    fail(u"表格 “"_s + m_tableName + u"” 中没有字段 “"_s + name + u"”"_s);
}

Field Table::field(int position)
{
    requireActive();
    if (position < 1 || position > m_engine->fields.size())
        fail(u"表格 “"_s + m_tableName + u"” 没有第 "_s + QString::number(position) + u" 个字段（共 "_s
             + QString::number(m_engine->fields.size()) + u" 个）"_s);
    return Field(*this, position - 1);
}

QVariant Table::value(int index) const
{
    requireActive();
    return m_engine->values.value(index);
}

void Table::setValue(int index, const QVariant &value)
{
    requireActive();
    Engine &e = *m_engine;
    if (!e.editing)
        fail(u"表格 “"_s + m_tableName + u"” 不在编辑状态"_s);
    if (index < 0 || index >= e.values.size())
        fail(u"表格 “"_s + m_tableName + u"” 没有这个字段"_s);
    e.values[index] = value;
    e.changed[index] = true;
}

QString Table::fieldName(int index) const
{
    requireActive();
    return m_engine->fields.value(index);
}

// ---- Field -------------------------------------------------------------------------------

QString Field::name() const
{
    return m_table.fieldName(m_index);
}

QVariant Field::asVariant() const
{
    return m_table.value(m_index);
}

void Field::setAsVariant(const QVariant &value)
{
    m_table.setValue(m_index, value);
}

int Field::asInteger() const
{
    const QVariant value = asVariant();
    return value.isValid() ? value.toInt() : 0;
}

void Field::setAsInteger(int value)
{
    setAsVariant(value);
}

QString Field::asString() const
{
    const QVariant value = asVariant();
    return value.isValid() ? value.toString() : QString();
}

void Field::setAsString(const QString &value)
{
    setAsVariant(value);
}

QString engineFailureText(const QString &tableName, const QString &doing, const QSqlError &error)
{
    if (isBusy(error))
        return u"表格 “"_s + tableName + u"” 正被其他程序使用，请稍后再试"_s;
    // The primary result code is the low byte of an extended one.
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric) & 0xff;
    QString cause;
    switch (numeric ? code : -1) {
    case 8: // SQLITE_READONLY
        cause = u"表格文件或它所在的文件夹是只读的，请允许写入后再试"_s;
        break;
    case 13: // SQLITE_FULL
        cause = u"磁盘已满，请腾出空间后再试"_s;
        break;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        cause = u"表格文件已损坏"_s;
        break;
    case 14: // SQLITE_CANTOPEN
        cause = u"无法打开表格文件：文件或它所在的文件夹不能访问"_s;
        break;
    case 10: // SQLITE_IOERR
        cause = u"读写磁盘时出错：磁盘可能已满、已拔出或有故障"_s;
        break;
    default:
        cause = u"常见原因：文件或所在文件夹是只读的、磁盘已满、文件正被其他程序使用，或文件已损坏"_s;
        break;
    }
    // The engine's own words, for whoever helps the parent.
    return u"表格 “"_s + tableName + u"” "_s + doing + u"失败。"_s + cause + u"。\n（详细信息："_s
        + error.text() + u"）"_s;
}

// ---- Making table files ------------------------------------------------------------------

bool createTableFile(const QString &filePath, const QString &sqlScript, const QString &password,
                     QString *error)
{
    const QString name = QFileInfo(filePath).fileName();
    auto failed = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (QFileInfo(filePath).exists() || QFileInfo(filePath).isSymLink())
        return failed(u"表格文件 “"_s + name + u"” 已存在，不会被替换"_s);

    // Build the file under a temporary name beside the target, then move it into place.
    QString temporaryPath;
    {
        QTemporaryFile temporary(QFileInfo(filePath).absolutePath() + u"/."_s + name
                                 + u".seed-XXXXXX"_s);
        temporary.setAutoRemove(false);
        if (!temporary.open())
            return failed(u"无法创建表格文件 “"_s + name + u"”："_s + temporary.errorString());
        temporaryPath = temporary.fileName();
    }
    struct Remover
    {
        QString path;
        ~Remover()
        {
            if (!path.isEmpty()) {
                QFile::remove(path);
                QFile::remove(path + u"-journal"_s);
            }
        }
    } remover{temporaryPath};

    const QString stem = stemOf(filePath);
    const QString connection = newConnectionName();
    QString why;
    {
        ConnectionGuard guard(connection);
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
        db.setDatabaseName(temporaryPath);
        auto run = [&](QSqlQuery &query, const QString &sql) {
            if (query.exec(sql))
                return true;
            why = u"表格文件 “"_s + name + u"” 的脚本出错："_s + query.lastError().text()
                + u"\n"_s + sql;
            return false;
        };
        auto build = [&] {
            if (!db.open()) {
                why = u"无法创建表格文件 “"_s + name + u"”："_s + db.lastError().text();
                return false;
            }
            QSqlQuery query(db);
            if (!run(query, u"BEGIN"_s))
                return false;
            const QStringList statements = scriptStatements(sqlScript);
            for (const QString &statement : statements) {
                if (!run(query, statement))
                    return false;
            }
            // cppcheck-suppress ignoredReturnErrorCode ; a failed prepare makes the exec below fail, and that is checked
            query.prepare(u"SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"_s);
            query.addBindValue(stem);
            if (!query.exec() || !query.next()) {
                why = u"表格文件 “"_s + name + u"” 的脚本没有建立表 “"_s + stem + u"”"_s;
                return false;
            }
            query.finish();
            if (!run(query, u"CREATE TABLE "_s + quoted(kProtectionTable)
                                + u" (salt TEXT NOT NULL, digest TEXT NOT NULL)"_s))
                return false;
            QByteArray salt(16, Qt::Uninitialized);
            QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()),
                                                  salt.size() / qsizetype(sizeof(quint32)));
            // cppcheck-suppress ignoredReturnErrorCode ; a failed prepare makes the exec below fail, and that is checked
            query.prepare(u"INSERT INTO "_s + quoted(kProtectionTable)
                          + u" (salt, digest) VALUES (?, ?)"_s);
            query.addBindValue(QString::fromLatin1(salt.toHex()));
            query.addBindValue(QString::fromLatin1(passwordDigest(salt, password)));
            if (!query.exec()) {
                why = u"无法写入表格文件 “"_s + name + u"”："_s + query.lastError().text();
                return false;
            }
            return run(query, u"COMMIT"_s);
        };
        if (!build())
            return failed(why);
    }

    // An ordinary file, not the private one a temporary file is; never replaced: the rename
    // refuses an existing target.
    QFile::setPermissions(temporaryPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                             | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    if (!QFile::rename(temporaryPath, filePath)) {
        if (QFileInfo(filePath).exists())
            return failed(u"表格文件 “"_s + name + u"” 已存在，不会被替换"_s);
        return failed(u"无法创建表格文件 “"_s + name + u"”"_s);
    }
    remover.path.clear();
    return true;
}

bool createTableFileFromScript(const QString &filePath, const QString &scriptPath,
                               const QString &password, QString *error)
{
    QFile script(scriptPath);
    if (!script.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = u"无法读取表格脚本 “"_s + QDir::toNativeSeparators(scriptPath) + u"”："_s
                + script.errorString();
        return false;
    }
    return createTableFile(filePath, QString::fromUtf8(script.readAll()), password, error);
}

} // namespace abacolo
