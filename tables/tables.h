#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class QSqlError;

namespace abacolo {

// The table engine's session: the passwords that open protected tables.
class TableSession
{
public:
    void addPassword(const QString &password) { m_passwords.insert(password); }
    const QSet<QString> &passwords() const { return m_passwords; }

private:
    QSet<QString> m_passwords;
};

class Table;

// One field of a table's current record, read and written by name or by position.
class Field
{
public:
    Field(Table &table, int index) : m_table(table), m_index(index) {}

    QString name() const;
    QVariant asVariant() const;
    void setAsVariant(const QVariant &value);
    int asInteger() const;
    void setAsInteger(int value);
    QString asString() const;
    void setAsString(const QString &value);

private:
    Table &m_table;
    int m_index;
};

// A table component over one local table file in the data directory.
//
// Each file is an SQLite database holding one table named after the file's stem
// ("sys.db" holds `sys`, "subtration.DB" holds `subtration`) and the mark of its password.
// Records are rows in rowid order. A post is on disk before it returns; edit re-reads the
// current record inside a write transaction that post commits, so two components or two
// processes incrementing one field lose no update.
//
// Every failure raises AppError with a Chinese text naming the file.
class Table : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Table)

public:
    Table(TableSession &session, const QString &tableName, QObject *parent);
    ~Table() override;

    void setDatabaseName(const QString &directory) { m_databaseName = directory; }
    QString databaseName() const { return m_databaseName; }
    QString tableName() const { return m_tableName; }
    // The file this component opens: the database name (or the current directory) and the
    // table name.
    QString filePath() const;

    void open();                 // make active; the current record is then the first
    void setActive(bool active); // open, or close (dropping an unposted edit)
    bool active() const;

    void first();
    void next();
    void prior();
    void moveBy(int distance);
    int recordCount() const;     // records of the open table
    int recordNumber() const;    // 1-based; 0 when the table is empty

    void edit();                 // on an empty table: insert a record and make it current
    void post();
    void cancel();               // drop an unposted edit
    bool editing() const;

    Field fieldByName(const QString &name);  // case-insensitive
    Field field(int position);               // first field = 1
    QStringList fieldNames() const;

Q_SIGNALS:
    // The current record changed: moved, posted, opened or closed. Data-bound controls follow.
    void recordChanged();

private:
    friend class Field;
    QVariant value(int index) const;
    void setValue(int index, const QVariant &value);
    void requireActive() const;
    void loadCurrent();
    [[noreturn]] void fail(const QString &what) const;
    [[noreturn]] void failSql(const QString &doing, const QSqlError &error) const;
    void closeEngine();
    void reloadRowids();
    void readRecord();
    void moveTo(int target, bool relative);
    QString fieldName(int index) const;

    struct Engine;
    TableSession &m_session;
    QString m_tableName;
    QString m_databaseName;
    Engine *m_engine = nullptr;
};

// One edit of a table's current record: begins it (taking the file's write lock), post()
// commits it, and leaving the scope without posting cancels it, so no error path leaves the
// file locked. An error of that cancel is dropped: the error that left the scope is the one
// to report.
class TableEdit
{
public:
    explicit TableEdit(Table &table);
    ~TableEdit();
    Q_DISABLE_COPY_MOVE(TableEdit)

    void post();

private:
    Table &m_table;
};

// Checks a file's SQLite header against its size without handing the file to SQLite, so an
// empty, truncated or foreign file is refused before anything could touch it.
bool sqliteHeaderLooksValid(const QString &path);

// Makes a table file from an SQL seed script: the script creates the table named after the
// file's stem and its records; the password's mark is added. Never replaces an existing file.
// Returns false with a reason if the file exists or the script fails.
bool createTableFile(const QString &filePath, const QString &sqlScript, const QString &password,
                     QString *error);

} // namespace abacolo
