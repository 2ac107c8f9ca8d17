// The local table engine: navigation, editing, storage, passwords, refused files, concurrent
// writers (components and processes), table file creation and the program's seed scripts.

#include "tables/apperror.h"
#include "tables/tablepassword.h"
#include "tables/tables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <functional>
#include <limits>
#include <memory>

using namespace Qt::StringLiterals;
using namespace abacolo;

using TableAction = std::function<void(Table &)>;
Q_DECLARE_METATYPE(TableAction)

namespace {

const auto kPassword = TablePassword;
constexpr char kChildFlag[] = "--increment-child";

// Four records: num 10, 20, 30, 40; the third field holds no value.
const auto kCountsScript = u"CREATE TABLE counts (num INTEGER, name TEXT, extra INTEGER);\n"
                           "INSERT INTO counts VALUES (10, 'a', NULL);\n"
                           "INSERT INTO counts VALUES (20, 'b', NULL);\n"
                           "INSERT INTO counts VALUES (30, 'c', NULL);\n"
                           "INSERT INTO counts VALUES (40, 'd', NULL);\n"_s;

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Every entry of a folder, hidden ones included.
QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
}

// The message of the AppError an action raises; empty when it raises none.
QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const AppError &error) {
        return error.message().isEmpty() ? u"(empty message)"_s : error.message();
    }
    return {};
}

// Runs SQL on a file through a connection of its own, outside the engine.
QVariant rawValue(const QString &path, const QString &sql)
{
    const QString name = u"raw-read"_s;
    QVariant result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql) && query.next())
                result = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

void rawExec(const QString &path, const QStringList &statements)
{
    const QString name = u"raw-exec"_s;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString &statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase(name);
}

// What the counters do: add one to a field of the current record and store it.
void increment(Table &table, const QString &field)
{
    table.edit();
    Field counter = table.fieldByName(field);
    counter.setAsVariant(counter.asVariant().toLongLong() + 1);
    table.post();
}

// The child of the two-process test: opens <dir>/<file>, says "ready", then adds one to `num`
// for every "go" line it reads and answers "done", until its input ends.
int runIncrementChild(const QStringList &args)
{
    const qsizetype at = args.indexOf(QString::fromLatin1(kChildFlag));
    if (at < 0 || args.size() < at + 3)
        return 2;
    QTextStream in(stdin);
    QTextStream out(stdout);
    try {
        TableSession session;
        session.addPassword(kPassword);
        Table table(session, args.at(at + 2), nullptr);
        table.setDatabaseName(args.at(at + 1));
        table.open();
        out << "ready" << Qt::endl;
        while (in.readLine() == u"go"_s) {
            increment(table, u"num"_s);
            out << "done" << Qt::endl;
        }
    } catch (const AppError &error) {
        QTextStream(stderr) << error.message() << Qt::endl;
        return 1;
    }
    return 0;
}

// Colour text as the practice window reads it: a colour name, a decimal number or "$" hex,
// lowest byte red. Returns 0xRRGGBB, or -1 when the text is none of these.
qint64 colourOf(const QString &text)
{
    static const QHash<QString, qint64> names = {
        {u"clblack"_s, 0x000000},  {u"clmaroon"_s, 0x800000}, {u"clgreen"_s, 0x008000},
        {u"clolive"_s, 0x808000},  {u"clnavy"_s, 0x000080},   {u"clpurple"_s, 0x800080},
        {u"clteal"_s, 0x008080},   {u"clgray"_s, 0x808080},   {u"clsilver"_s, 0xC0C0C0},
        {u"clred"_s, 0xFF0000},    {u"cllime"_s, 0x00FF00},   {u"clyellow"_s, 0xFFFF00},
        {u"clblue"_s, 0x0000FF},   {u"clfuchsia"_s, 0xFF00FF}, {u"claqua"_s, 0x00FFFF},
        {u"clwhite"_s, 0xFFFFFF},
    };
    if (const auto it = names.constFind(text.toLower()); it != names.cend())
        return *it;
    bool ok = false;
    const qint64 bgr = text.startsWith(u'$') ? text.mid(1).toLongLong(&ok, 16) : text.toLongLong(&ok);
    if (!ok || bgr < 0 || bgr > 0xFFFFFF)
        return -1;
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

// The colour a child means by each colour name.
const QHash<QString, qint64> &namedColours()
{
    static const QHash<QString, qint64> colours = {
        {u"红色"_s, 0xFF0000}, {u"绿色"_s, 0x00A000}, {u"黄色"_s, 0xFFFF00},
        {u"蓝色"_s, 0x0000FF}, {u"黑色"_s, 0x000000}, {u"白色"_s, 0xFFFFFF},
        {u"紫色"_s, 0x800080}, {u"橙色"_s, 0xFF8000}, {u"粉色"_s, 0xFFAAC8},
        {u"灰色"_s, 0x808080}, {u"棕色"_s, 0x964B00}, {u"青色"_s, 0x00FFFF},
    };
    return colours;
}

int distance(qint64 a, qint64 b)
{
    const int dr = int((a >> 16) & 0xFF) - int((b >> 16) & 0xFF);
    const int dg = int((a >> 8) & 0xFF) - int((b >> 8) & 0xFF);
    const int db = int(a & 0xFF) - int(b & 0xFF);
    return dr * dr + dg * dg + db * db;
}

// The name whose colour lies nearest to `rgb`.
QString nearestName(qint64 rgb)
{
    QString best;
    int bestDistance = std::numeric_limits<int>::max();
    for (auto it = namedColours().cbegin(); it != namedColours().cend(); ++it) {
        if (const int d = distance(rgb, it.value()); d < bestDistance) {
            bestDistance = d;
            best = it.key();
        }
    }
    return best;
}

} // namespace

class TestTables : public QObject
{
    Q_OBJECT

private:
    QString m_dir;
    std::unique_ptr<QTemporaryDir> m_temporary;
    TableSession m_session;

    QString path(const QString &name) const { return m_dir + u'/' + name; }

    bool makeFile(const QString &name, const QString &script, const QString &password = kPassword)
    {
        QString error;
        const bool made = createTableFile(path(name), script, password, &error);
        if (!made)
            qWarning().noquote() << error;
        return made;
    }

    std::unique_ptr<Table> table(const QString &name)
    {
        auto component = std::make_unique<Table>(m_session, name, nullptr);
        component->setDatabaseName(m_dir);
        return component;
    }

private Q_SLOTS:
    void initTestCase() { m_session.addPassword(kPassword); }

    void init()
    {
        m_temporary = std::make_unique<QTemporaryDir>();
        QVERIFY(m_temporary->isValid());
        m_dir = m_temporary->path();
    }

    void cleanup() { m_temporary.reset(); }

    void navigation_data()
    {
        QTest::addColumn<QString>("steps"); // n next, p prior, f first, ±k move by k
        QTest::addColumn<int>("record");
        QTest::newRow("opened at the first") << QString() << 1;
        QTest::newRow("next twice") << u"n n"_s << 3;
        QTest::newRow("next stops at the last") << u"n n n n n n"_s << 4;
        QTest::newRow("prior stops at the first") << u"p p"_s << 1;
        QTest::newRow("there and back") << u"n n n p"_s << 3;
        QTest::newRow("move by two") << u"+2"_s << 3;
        QTest::newRow("move by stops at the last") << u"+99"_s << 4;
        QTest::newRow("move back stops at the first") << u"+3 -99"_s << 1;
        QTest::newRow("first after moving") << u"n n f"_s << 1;
    }

    void navigation()
    {
        QFETCH(QString, steps);
        QFETCH(int, record);
        QVERIFY(makeFile(u"counts.db"_s, kCountsScript));
        auto counts = table(u"counts.db"_s);
        QSignalSpy changed(counts.get(), &Table::recordChanged);
        counts->open();

        const QStringList tokens = steps.split(u' ', Qt::SkipEmptyParts);
        for (const QString &token : tokens) {
            if (token == u"n"_s)
                counts->next();
            else if (token == u"p"_s)
                counts->prior();
            else if (token == u"f"_s)
                counts->first();
            else
                counts->moveBy(token.toInt());
        }
        QCOMPARE(counts->recordCount(), 4);
        QCOMPARE(counts->recordNumber(), record);
        QCOMPARE(counts->fieldByName(u"num"_s).asInteger(), 10 * record);
        QCOMPARE(changed.count(), 1 + tokens.size());
    }

    void editOnEmptyTableInserts()
    {
        QVERIFY(makeFile(u"empty.db"_s, u"CREATE TABLE empty (num INTEGER DEFAULT 7, name TEXT);"_s));
        auto empty = table(u"empty.db"_s);
        empty->open();
        QCOMPARE(empty->recordCount(), 0);
        QCOMPARE(empty->recordNumber(), 0);
        QVERIFY(!empty->fieldByName(u"num"_s).asVariant().isValid());

        empty->edit();
        empty->fieldByName(u"name"_s).setAsString(u"新记录"_s);
        empty->post();
        QCOMPARE(empty->recordCount(), 1);
        QCOMPARE(empty->recordNumber(), 1);
        QCOMPARE(empty->fieldByName(u"num"_s).asInteger(), 7); // the column's default

        auto fresh = table(u"empty.db"_s);
        fresh->open();
        QCOMPARE(fresh->recordCount(), 1);
        QCOMPARE(fresh->fieldByName(u"name"_s).asString(), u"新记录"_s);
    }

    void postIsOnDiskAndSeenByOthers()
    {
        QVERIFY(makeFile(u"counts.db"_s, kCountsScript));
        auto writer = table(u"counts.db"_s);
        auto reader = table(u"counts.db"_s);
        writer->open();
        reader->open();
        writer->next();

        writer->edit();
        writer->fieldByName(u"num"_s).setAsInteger(99);
        QCOMPARE(writer->fieldByName(u"num"_s).asInteger(), 99);
        reader->moveBy(1);
        QCOMPARE(reader->fieldByName(u"num"_s).asInteger(), 20); // not posted yet
        writer->post();

        QCOMPARE(rawValue(path(u"counts.db"_s), u"SELECT num FROM counts WHERE name = 'b'"_s).toInt(), 99);
        QCOMPARE(reader->fieldByName(u"num"_s).asInteger(), 20); // its record as read
        reader->first();
        reader->next();
        QCOMPARE(reader->fieldByName(u"num"_s).asInteger(), 99);
        QCOMPARE(writer->recordNumber(), 2);
    }

    void unpostedEditIsDropped_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("cancel") << u"cancel"_s;
        QTest::newRow("close") << u"close"_s;
        QTest::newRow("destroy") << u"destroy"_s;
    }

    void unpostedEditIsDropped()
    {
        QFETCH(QString, how);
        QVERIFY(makeFile(u"counts.db"_s, kCountsScript));
        auto editor = table(u"counts.db"_s);
        editor->open();
        editor->edit();
        editor->fieldByName(u"num"_s).setAsInteger(55);
        if (how == u"cancel"_s) {
            editor->cancel();
            QVERIFY(!editor->editing());
            QCOMPARE(editor->fieldByName(u"num"_s).asInteger(), 10);
        } else if (how == u"close"_s) {
            editor->setActive(false);
            QVERIFY(!editor->active());
        } else {
            editor.reset();
        }
        QCOMPARE(rawValue(path(u"counts.db"_s), u"SELECT num FROM counts WHERE name = 'a'"_s).toInt(), 10);

        // The write lock is free again: another component stores at once.
        auto other = table(u"counts.db"_s);
        other->open();
        increment(*other, u"num"_s);
        QCOMPARE(other->fieldByName(u"num"_s).asInteger(), 11);
    }

    void editGuard_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("stored");
        QTest::newRow("posted") << u"post"_s << 55;
        QTest::newRow("left without posting") << u"leave"_s << 10;
        QTest::newRow("left by an error") << u"throw"_s << 10;
        QTest::newRow("error after the table closed") << u"close and throw"_s << 10;
    }

    void editGuard()
    {
        QFETCH(QString, how);
        QFETCH(int, stored);
        QVERIFY(makeFile(u"counts.db"_s, kCountsScript));
        auto editor = table(u"counts.db"_s);
        editor->open();
        QString escaped;
        try {
            TableEdit edit(*editor);
            QVERIFY(editor->editing());
            editor->fieldByName(u"num"_s).setAsInteger(55);
            if (how == u"post"_s)
                edit.post();
            if (how.startsWith(u"close"_s))
                editor->setActive(false);   // drops the edit: the guard has nothing to cancel
            if (how.endsWith(u"throw"_s))
                throw AppError(u"第一个错误"_s);
        } catch (const AppError &e) {
            escaped = e.message();
        }
        QCOMPARE(escaped, how.endsWith(u"throw"_s) ? u"第一个错误"_s : QString());
        QVERIFY(!editor->editing());
        QCOMPARE(rawValue(path(u"counts.db"_s), u"SELECT num FROM counts WHERE name = 'a'"_s).toInt(), stored);

        // The write lock is free again: another component stores at once.
        auto other = table(u"counts.db"_s);
        other->open();
        increment(*other, u"num"_s);
        QCOMPARE(other->fieldByName(u"num"_s).asInteger(), stored + 1);
    }

    void fieldByNameIgnoresCase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("as declared") << u"num"_s;
        QTest::newRow("upper case") << u"NUM"_s;
        QTest::newRow("mixed case") << u"Num"_s;
    }

    void fieldByNameIgnoresCase()
    {
        QFETCH(QString, name);
        QVERIFY(makeFile(u"counts.db"_s, kCountsScript));
        auto counts = table(u"counts.db"_s);
        counts->open();
        QCOMPARE(counts->fieldByName(name).name(), u"num"_s);
        QCOMPARE(counts->fieldByName(name).asInteger(), 10);
        counts->edit();
        counts->fieldByName(name).setAsInteger(12);
        counts->post();
        QCOMPARE(counts->fieldByName(u"num"_s).asInteger(), 12);
    }

    void fieldByPositionAndEmptyValues()
    {
        QVERIFY(makeFile(u"counts.db"_s, kCountsScript));
        auto counts = table(u"counts.db"_s);
        counts->open();
        QCOMPARE(counts->fieldNames(), (QStringList{u"num"_s, u"name"_s, u"extra"_s}));
        QCOMPARE(counts->field(1).asInteger(), 10);
        QCOMPARE(counts->field(2).name(), u"name"_s);
        QCOMPARE(counts->field(2).asString(), u"a"_s);

        // A field that holds no value: no variant, 0, empty text; adding one gives 1.
        Field extra = counts->field(3);
        QVERIFY(!extra.asVariant().isValid());
        QCOMPARE(extra.asInteger(), 0);
        QVERIFY(extra.asString().isEmpty());
        increment(*counts, u"extra"_s);
        QCOMPARE(extra.asInteger(), 1);

        counts->edit();
        counts->field(1).setAsInteger(3);
        counts->field(3).setAsVariant(QVariant());
        counts->post();
        QCOMPARE(rawValue(path(u"counts.db"_s), u"SELECT num FROM counts WHERE name = 'a'"_s).toInt(), 3);
        QVERIFY(rawValue(path(u"counts.db"_s), u"SELECT extra IS NULL FROM counts WHERE name = 'a'"_s).toBool());
    }

    void misuseRaisesErrors_data()
    {
        QTest::addColumn<bool>("opened");
        QTest::addColumn<TableAction>("action");
        QTest::addColumn<QString>("text");
        const auto closed = u"表格 “counts.db” 没有打开"_s;
        QTest::newRow("unknown field") << true << TableAction([](Table &t) { t.fieldByName(u"numx"_s); })
                                       << u"表格 “counts.db” 中没有字段 “numx”"_s;
        QTest::newRow("position 0") << true << TableAction([](Table &t) { t.field(0); }) << u"第 0 个字段"_s;
        QTest::newRow("position past the last") << true << TableAction([](Table &t) { t.field(4); })
                                                << u"第 4 个字段"_s;
        QTest::newRow("write outside an edit")
            << true << TableAction([](Table &t) { t.fieldByName(u"num"_s).setAsInteger(1); })
            << u"表格 “counts.db” 不在编辑状态"_s;
        QTest::newRow("closed: first") << false << TableAction([](Table &t) { t.first(); }) << closed;
        QTest::newRow("closed: next") << false << TableAction([](Table &t) { t.next(); }) << closed;
        QTest::newRow("closed: edit") << false << TableAction([](Table &t) { t.edit(); }) << closed;
        QTest::newRow("closed: post") << false << TableAction([](Table &t) { t.post(); }) << closed;
        QTest::newRow("closed: field") << false << TableAction([](Table &t) { t.fieldByName(u"num"_s); })
                                       << closed;
        QTest::newRow("closed: record count") << false << TableAction([](Table &t) { t.recordCount(); })
                                              << closed;
        QTest::newRow("closed after taking a field") << true << TableAction([](Table &t) {
            Field num = t.fieldByName(u"num"_s);
            t.setActive(false);
            num.asInteger();
        }) << closed;
    }

    void misuseRaisesErrors()
    {
        QFETCH(bool, opened);
        QFETCH(TableAction, action);
        QFETCH(QString, text);
        QVERIFY(makeFile(u"counts.db"_s, kCountsScript));
        const QByteArray before = readBytes(path(u"counts.db"_s));
        auto counts = table(u"counts.db"_s);
        if (opened)
            counts->open();
        const QString error = errorOf([&] { action(*counts); });
        QVERIFY2(error.contains(text), qPrintable(error));
        QCOMPARE(readBytes(path(u"counts.db"_s)), before);
    }

    void passwords_data()
    {
        QTest::addColumn<QStringList>("passwords");
        QTest::addColumn<bool>("opens");
        QTest::newRow("none") << QStringList() << false;
        QTest::newRow("wrong") << QStringList{u"123456"_s} << false;
        QTest::newRow("wrong case") << QStringList{u"QQQQQQ777777"_s} << false;
        QTest::newRow("right") << QStringList{kPassword} << true;
        QTest::newRow("wrong and right") << QStringList{u"123456"_s, kPassword} << true;
    }

    void passwords()
    {
        QFETCH(QStringList, passwords);
        QFETCH(bool, opens);
        QVERIFY(makeFile(u"sys.db"_s, u"CREATE TABLE sys (num INTEGER);\nINSERT INTO sys VALUES (5);"_s));
        TableSession session;
        for (const QString &password : passwords)
            session.addPassword(password);
        Table sys(session, u"sys.db"_s, nullptr);
        sys.setDatabaseName(m_dir);
        const QString error = errorOf([&] { sys.open(); });
        QCOMPARE(sys.active(), opens);
        if (opens) {
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(sys.fieldByName(u"num"_s).asInteger(), 5);
        } else {
            QCOMPARE(error, u"表格 “sys.db” 受密码保护：密码无效或未提供"_s);
        }
    }

    void missingFileFailsAndIsNotCreated()
    {
        auto sys = table(u"sys.db"_s);
        QCOMPARE(sys->filePath(), path(u"sys.db"_s));
        const QString error = errorOf([&] { sys->open(); });
        QVERIFY2(error.contains(u"找不到表格文件 “sys.db”"_s), qPrintable(error));
        QVERIFY(!sys->active());
        QCOMPARE(entries(m_dir), QStringList());

        Table here(m_session, u"subtration.DB"_s, nullptr);
        QCOMPARE(here.filePath(), QDir::currentPath() + u"/subtration.DB"_s);
    }

    void badFilesFailAndStayUnchanged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");

        // A good file and SQLite files of other shapes, made in a scratch folder.
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString good = scratch.filePath(u"bad.db"_s);
        QVERIFY(createTableFile(good, u"CREATE TABLE bad (num INTEGER);\nINSERT INTO bad VALUES (1);"_s,
                                kPassword, nullptr));
        const QByteArray valid = readBytes(good);
        const qsizetype pageSize = qsizetype((uchar(valid.at(16)) << 8) | uchar(valid.at(17)));
        QVERIFY(valid.size() >= 3 * pageSize);
        const QString foreign = scratch.filePath(u"foreign.db"_s);
        rawExec(foreign, {u"CREATE TABLE other (x INTEGER)"_s, u"INSERT INTO other VALUES (1)"_s});
        const QString unmarked = scratch.filePath(u"unmarked.db"_s);
        rawExec(unmarked, {u"CREATE TABLE bad (num INTEGER)"_s, u"INSERT INTO bad VALUES (1)"_s});
        QByteArray smashed = valid;
        smashed.replace(pageSize, pageSize, QByteArray(pageSize, '\x5A'));

        const auto broken = u"表格文件 “bad.db” 已损坏或不是有效的表格文件"_s;
        QTest::newRow("empty") << QByteArray() << broken;
        QTest::newRow("garbage") << QByteArray("no table here\n").repeated(400) << broken;
        QTest::newRow("header only") << valid.left(100) << broken;
        QTest::newRow("truncated mid-page") << valid.left(valid.size() / 2 + 7) << broken;
        QTest::newRow("last page missing") << valid.left(valid.size() - pageSize) << broken;
        QTest::newRow("page overwritten") << smashed << broken;
        QTest::newRow("another schema") << readBytes(foreign) << broken + u"（缺少表 “bad”）"_s;
        QTest::newRow("no password mark") << readBytes(unmarked) << broken + u"（缺少密码标记）"_s;
    }

    void badFilesFailAndStayUnchanged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QVERIFY(writeBytes(path(u"bad.db"_s), bytes));
        auto bad = table(u"bad.db"_s);
        const QString error = errorOf([&] { bad->open(); });
        QCOMPARE(error, text);
        QVERIFY(!bad->active());
        QCOMPARE(readBytes(path(u"bad.db"_s)), bytes);
        QCOMPARE(entries(m_dir), QStringList{u"bad.db"_s});
    }

    void twoComponentsIncrementingLoseNothing()
    {
        QVERIFY(makeFile(u"counts.db"_s, kCountsScript));
        auto first = table(u"counts.db"_s);
        auto second = table(u"counts.db"_s);
        first->open();
        second->open();
        for (int i = 0; i < 50; ++i) {
            increment(*first, u"num"_s);
            increment(*second, u"num"_s);
        }
        QCOMPARE(first->fieldByName(u"num"_s).asInteger(), 109);
        QCOMPARE(second->fieldByName(u"num"_s).asInteger(), 110);
        QCOMPARE(rawValue(path(u"counts.db"_s), u"SELECT num FROM counts WHERE name = 'a'"_s).toInt(), 110);
    }

    // Two processes race for the same counter in every round: each round both add one at once,
    // so a read-modify-write that is not atomic across processes loses counts.
    void twoProcessesIncrementingLoseNothing()
    {
        constexpr int kRounds = 200;
        // The counter starts with no value.
        QVERIFY(makeFile(u"sys.db"_s, u"CREATE TABLE sys (num INTEGER);\nINSERT INTO sys VALUES (NULL);"_s));
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(kChildFlag), m_dir, u"sys.db"_s});
        QVERIFY(child.waitForStarted());
        auto childSays = [&child](const QByteArray &word) {
            while (!child.canReadLine()) {
                if (!child.waitForReadyRead(60000))
                    return false;
            }
            return child.readLine().trimmed() == word;
        };
        QVERIFY(childSays("ready"));

        auto sys = table(u"sys.db"_s);
        sys->open();
        for (int round = 0; round < kRounds; ++round) {
            child.write("go\n");
            QVERIFY(child.waitForBytesWritten(60000)); // the child starts now, not later
            increment(*sys, u"num"_s);
            QVERIFY2(childSays("done"), qPrintable(u"round "_s + QString::number(round)));
        }
        child.closeWriteChannel();
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);

        QCOMPARE(rawValue(path(u"sys.db"_s), u"SELECT num FROM sys"_s).toInt(), 2 * kRounds);
        sys->first();
        QCOMPARE(sys->fieldByName(u"num"_s).asInteger(), 2 * kRounds);
    }

    void createTableFileNeverLeavesAHalfFile_data()
    {
        QTest::addColumn<QByteArray>("existing"); // null: no file there
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("text");
        const auto good = u"CREATE TABLE made (num INTEGER);\nINSERT INTO made VALUES (1);"_s;
        QTest::newRow("existing file") << QByteArray("a child's counts") << good << u"已存在"_s;
        QTest::newRow("existing empty file") << QByteArray("") << good << u"已存在"_s;
        QTest::newRow("failing statement") << QByteArray() << good + u"\nINSERT INTO nowhere VALUES (1);"_s
                                           << u"脚本出错"_s;
        QTest::newRow("script without its table") << QByteArray() << u"CREATE TABLE other (num INTEGER);"_s
                                                  << u"没有建立表 “made”"_s;
    }

    void createTableFileNeverLeavesAHalfFile()
    {
        QFETCH(QByteArray, existing);
        QFETCH(QString, script);
        QFETCH(QString, text);
        if (!existing.isNull())
            QVERIFY(writeBytes(path(u"made.db"_s), existing));
        const QStringList before = entries(m_dir);

        QString error;
        QVERIFY(!createTableFile(path(u"made.db"_s), script, kPassword, &error));
        QVERIFY2(error.contains(text), qPrintable(error));
        QCOMPARE(entries(m_dir), before);
        if (!existing.isNull())
            QCOMPARE(readBytes(path(u"made.db"_s)), existing);
    }

    void seedScripts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<int>("records");
        QStringList numbers;
        for (int i = 1; i <= 20; ++i)
            numbers.append(u"Num"_s + QString::number(i));
        QStringList colourFields;
        for (const QString &prefix : {u"Bt"_s, u"Color"_s}) {
            for (int i = 1; i <= 7; ++i)
                colourFields.append(prefix + QString::number(i));
        }
        QTest::newRow("sys") << u"sys.db"_s << u"sys.sql"_s
                             << QStringList{u"num"_s, u"num1"_s, u"num2"_s, u"num3"_s, u"num4"_s} << 1;
        QTest::newRow("fillblank") << u"fillblank.db"_s << u"fillblank.sql"_s << numbers << 1;
        QTest::newRow("changcolor") << u"changcolor.db"_s << u"changcolor.sql"_s << colourFields << -3;
        QTest::newRow("subtration") << u"subtration.DB"_s << u"subtration.sql"_s << QStringList{u"Num1"_s} << 6;
    }

    void seedScripts()
    {
        QFETCH(QString, file);
        QFETCH(QString, script);
        QFETCH(QStringList, fields);
        QFETCH(int, records); // negative: at least that many
        const QString source = qEnvironmentVariable("ABACOLO_SOURCE_DIR");
        if (source.isEmpty())
            QSKIP("ABACOLO_SOURCE_DIR is not set");
        QFile seed(source + u"/data/seeds/"_s + script);
        QVERIFY2(seed.open(QIODevice::ReadOnly), qPrintable(seed.fileName()));
        QVERIFY(makeFile(file, QString::fromUtf8(seed.readAll())));

        auto made = table(file);
        made->open();
        QCOMPARE(made->fieldNames(), fields);
        if (records >= 0)
            QCOMPARE(made->recordCount(), records);
        else
            QVERIFY(made->recordCount() >= -records);

        for (int record = 1; record <= made->recordCount(); ++record, made->next()) {
            QCOMPARE(made->recordNumber(), record);
            if (file == u"changcolor.db"_s) {
                // Seven different names and colours; each colour is nearest to its own name.
                QSet<QString> names;
                QSet<qint64> colours;
                for (int box = 1; box <= 7; ++box) {
                    const QString name = made->fieldByName(u"bt"_s + QString::number(box)).asString();
                    const QString text = made->fieldByName(u"color"_s + QString::number(box)).asString();
                    const qint64 rgb = colourOf(text);
                    QVERIFY2(namedColours().contains(name), qPrintable(name));
                    QVERIFY2(rgb >= 0, qPrintable(text));
                    QVERIFY2(nearestName(rgb) == name, qPrintable(name + u" ≠ "_s + text));
                    names.insert(name);
                    colours.insert(rgb);
                }
                QCOMPARE(names.size(), 7);
                QCOMPARE(colours.size(), 7);
            } else if (file == u"fillblank.db"_s) {
                // Ten additions within 10, not all alike.
                QSet<int> pairs;
                for (int k = 1; k <= 10; ++k) {
                    const int a = made->field(2 * k - 1).asInteger();
                    const int b = made->field(2 * k).asInteger();
                    QVERIFY(a >= 0 && b >= 0 && a + b <= 10);
                    pairs.insert(a * 100 + b);
                }
                QVERIFY(pairs.size() >= 8);
            } else {
                for (const QString &field : fields)
                    QCOMPARE(made->fieldByName(field).asVariant(), QVariant(qlonglong(0)));
            }
        }
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (QCoreApplication::arguments().contains(QString::fromLatin1(kChildFlag)))
        return runIncrementChild(QCoreApplication::arguments());
    TestTables test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_tables.moc"
