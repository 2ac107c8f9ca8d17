// The installed program: where its folders are, the user's tables made from the seed scripts,
// the command line answered without a window, the scaled and centred design, its backdrop.

#include "shell/commandline.h"
#include "services/datadirectory.h"
#include "shell/designbackdrop.h"
#include "services/designfit.h"
#include "tables/tables.h"
#include "shell/userdata.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

bool writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly)
        && file.write(text) == text.size();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first record's `num` of a table file, read through the engine with the program's password.
int firstNum(const QString &directory, const QString &table)
{
    TableSession session;
    session.addPassword(TablePassword);
    Table t(session, table, nullptr);
    t.setDatabaseName(directory);
    t.open();
    return t.fieldByName(u"num"_s).asInteger();
}

const QByteArray CountsScript = "CREATE TABLE sys (num INTEGER);\nINSERT INTO sys VALUES (5);\n";

// What answerCommandLine prints and returns for the given arguments.
struct Answer
{
    std::optional<int> code;
    QString text;
};

Answer answerFor(QList<QByteArray> arguments)
{
    arguments.prepend("abacolo");
    QList<const char *> argv;
    for (const QByteArray &argument : std::as_const(arguments))
        argv.append(argument.constData());
    std::FILE *out = std::tmpfile();
    Answer answer;
    answer.code = answerCommandLine(int(argv.size()), argv.constData(), out);
    std::rewind(out);
    QByteArray text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, out)) > 0;)
        text.append(buffer, qsizetype(n));
    std::fclose(out);
    answer.text = QString::fromUtf8(text);
    return answer;
}

} // namespace

class TestInstalled : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void foldersOfBuildAndInstall();
    void seedsTheUsersTables();
    void seedingProblemsAreReported_data();
    void seedingProblemsAreReported();
    void commandLine_data();
    void commandLine();
    void windowingPlatform_data();
    void windowingPlatform();
    void designFit_data();
    void designFit();
    void backdropFollowsTheMainWindow();
};

void TestInstalled::foldersOfBuildAndInstall()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString prefix = root.path() + u"/usr"_s;
    QVERIFY(QDir().mkpath(prefix + u"/bin"_s));

    // Run from a build folder: everything is the current directory, the module beside the program.
    DataFolders build = dataFoldersFor(prefix + u"/bin"_s, u"/home/ann/build/app/"_s, u"/home/ann/.local/share"_s);
    QVERIFY(!build.installed);
    QCOMPARE(build.data, u"/home/ann/build/app"_s);
    QCOMPARE(build.userData, u"/home/ann/build/app"_s);
    QCOMPARE(build.modules, prefix + u"/bin/plugins"_s);

    // Installed: the seed scripts mark share/abacolo.
    QVERIFY(QDir().mkpath(prefix + u"/share/abacolo/seeds"_s));
    const DataFolders installed = dataFoldersFor(prefix + u"/bin"_s, u"/tmp"_s, u"/home/ann/.local/share"_s);
    QVERIFY(installed.installed);
    QCOMPARE(installed.data, prefix + u"/share/abacolo"_s);
    QCOMPARE(installed.userData, u"/home/ann/.local/share/abacolo"_s);
    QCOMPARE(installed.modules, prefix + u"/lib/abacolo"_s);

    // This test program runs from the build tree, which is not installed.
    QVERIFY(!dataFolders().installed);
    QCOMPARE(UserDataDirectory(), QDir::currentPath());
}

void TestInstalled::seedsTheUsersTables()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString seeds = root.filePath(u"share/abacolo/seeds"_s);
    QVERIFY(writeText(seeds + u"/sys.db.sql"_s, CountsScript));
    QVERIFY(writeText(seeds + u"/subtration.DB.sql"_s,
                      "CREATE TABLE subtration (num INTEGER);\nINSERT INTO subtration VALUES (7);\n"));
    QVERIFY(writeText(seeds + u"/README"_s, "not a script"));
    const QString user = root.filePath(u"home/.local/share/abacolo"_s);

    // First start: the folder and both tables are made, named after their scripts.
    QCOMPARE(seedUserTables(seeds, user), QStringList());
    QCOMPARE(QDir(user).entryList(QDir::Files, QDir::Name),
             (QStringList{u"subtration.DB"_s, u"sys.db"_s}));
    QCOMPARE(firstNum(user, u"sys.db"_s), 5);
    QCOMPARE(firstNum(user, u"subtration.DB"_s), 7);

    // The child's count changes; the next start keeps the file as it is, and makes a deleted one
    // again.
    {
        TableSession session;
        session.addPassword(TablePassword);
        Table t(session, u"sys.db"_s, nullptr);
        t.setDatabaseName(user);
        t.open();
        t.edit();
        t.fieldByName(u"num"_s).setAsInteger(6);
        t.post();
    }
    const QByteArray kept = readBytes(user + u"/sys.db"_s);
    QVERIFY(QFile::remove(user + u"/subtration.DB"_s));
    QCOMPARE(seedUserTables(seeds, user), QStringList());
    QCOMPARE(readBytes(user + u"/sys.db"_s), kept);
    QCOMPARE(firstNum(user, u"sys.db"_s), 6);
    QCOMPARE(firstNum(user, u"subtration.DB"_s), 7);
}

void TestInstalled::seedingProblemsAreReported_data()
{
    QTest::addColumn<QString>("layout");  // "broken": a script that fails beside a good one
    QTest::addColumn<QString>("expected"); // a part of the one problem reported
    QTest::addColumn<QStringList>("made"); // the tables made all the same
    QTest::newRow("user folder cannot be made") << u"blocked"_s << u"无法建立保存进度的文件夹"_s
                                                << QStringList();
    QTest::newRow("no seed scripts") << u"empty"_s << u"找不到表格脚本"_s << QStringList();
    QTest::newRow("broken script, the others made") << u"broken"_s << u"脚本出错"_s
                                                    << QStringList{u"sys.db"_s};
}

void TestInstalled::seedingProblemsAreReported()
{
    QFETCH(QString, layout);
    QFETCH(QString, expected);
    QFETCH(QStringList, made);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString seeds = root.filePath(u"seeds"_s);
    QVERIFY(QDir().mkpath(seeds));
    QString user = root.filePath(u"user"_s);
    if (layout == u"blocked"_s) {
        // A file where the folder should be: no one, root included, can make the folder.
        QVERIFY(writeText(root.filePath(u"home"_s), "a file"));
        user = root.filePath(u"home/abacolo"_s);
        QVERIFY(writeText(seeds + u"/sys.db.sql"_s, CountsScript));
    } else if (layout == u"broken"_s) {
        QVERIFY(writeText(seeds + u"/fillblank.db.sql"_s, "CREATE TABLE fillblank (num INTEGER;\n"));
        QVERIFY(writeText(seeds + u"/sys.db.sql"_s, CountsScript));
    }

    const QStringList problems = seedUserTables(seeds, user);
    QCOMPARE(problems.size(), 1);
    QVERIFY2(problems.first().contains(expected), qPrintable(problems.first()));
    QCOMPARE(QDir(user).entryList(QDir::Files, QDir::Name), made);
}

void TestInstalled::commandLine_data()
{
    QTest::addColumn<QList<QByteArray>>("arguments");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no arguments: the program starts") << QList<QByteArray>{} << false << QString();
    QTest::newRow("Qt's own options: the program starts")
        << QList<QByteArray>{"-platform", "offscreen"} << false << QString();
    QTest::newRow("--version") << QList<QByteArray>{"--version"} << true
                               << u"Abacolo " ABACOLO_TEST_VERSION "\n"_s;
    QTest::newRow("-v") << QList<QByteArray>{"-v"} << true << u"Abacolo " ABACOLO_TEST_VERSION "\n"_s;
    QTest::newRow("--help") << QList<QByteArray>{"--help"} << true << u"用法：abacolo"_s;
    QTest::newRow("-h after another option") << QList<QByteArray>{"-style", "fusion", "-h"} << true
                                             << u"孩子的进度"_s;
}

void TestInstalled::commandLine()
{
    QFETCH(QList<QByteArray>, arguments);
    QFETCH(bool, ends);
    QFETCH(QString, expected);
    const Answer answer = answerFor(arguments);
    QCOMPARE(answer.code.has_value(), ends);
    if (!ends) {
        QVERIFY(answer.text.isEmpty());
        return;
    }
    QCOMPARE(*answer.code, 0);
    if (expected.endsWith(u'\n'))
        QCOMPARE(answer.text, expected);
    else
        QVERIFY2(answer.text.contains(expected), qPrintable(answer.text));
}

void TestInstalled::windowingPlatform_data()
{
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QByteArray>("platform");
    QTest::newRow("X11 session: Qt's choice") << QStringList{u"DISPLAY=:0"_s} << QByteArray();
    QTest::newRow("Wayland: XWayland")
        << QStringList{u"WAYLAND_DISPLAY=wayland-0"_s, u"DISPLAY=:0"_s} << QByteArray("xcb");
    QTest::newRow("Wayland by session type: XWayland")
        << QStringList{u"XDG_SESSION_TYPE=wayland"_s, u"DISPLAY=:1"_s} << QByteArray("xcb");
    QTest::newRow("Wayland without XWayland: Qt's choice")
        << QStringList{u"WAYLAND_DISPLAY=wayland-0"_s} << QByteArray();
    QTest::newRow("the user's platform is kept")
        << QStringList{u"WAYLAND_DISPLAY=wayland-0"_s, u"DISPLAY=:0"_s, u"QT_QPA_PLATFORM=wayland"_s}
        << QByteArray("wayland");
}

void TestInstalled::windowingPlatform()
{
    QFETCH(QStringList, variables);
    QFETCH(QByteArray, platform);
    QProcessEnvironment environment;
    for (const QString &variable : std::as_const(variables))
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QCOMPARE(windowingPlatformFor(environment), platform);
}

void TestInstalled::designFit_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("canSwitch");
    QTest::addColumn<double>("userScale");
    QTest::addColumn<bool>("switches");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("1920x1080, mode offered: switched") << QSize(1920, 1080) << true << 0.0 << true << 1.0 << QPoint();
    QTest::newRow("already 1024x768") << QSize(1024, 768) << false << 0.0 << true << 1.0 << QPoint();
    QTest::newRow("unknown screen") << QSize() << false << 0.0 << true << 1.0 << QPoint();
    // 1440 x 1080 in the middle of 1920 x 1080: 240 screen pixels on either side.
    QTest::newRow("1920x1080, no such mode: height filled, centred")
        << QSize(1920, 1080) << false << 0.0 << false << 1.40625 << QPoint(171, 0);
    QTest::newRow("1280x1024: width filled, centred in height")
        << QSize(1280, 1024) << false << 0.0 << false << 1.25 << QPoint(0, 26);
    QTest::newRow("2560x1440") << QSize(2560, 1440) << false << 0.0 << false << 1.875 << QPoint(171, 0);
    QTest::newRow("800x600: made smaller to fit") << QSize(800, 600) << false << 0.0 << false << 0.78125 << QPoint();
    QTest::newRow("the user's own factor is kept")
        << QSize(1920, 1080) << false << 1.0 << false << 1.0 << QPoint(448, 156);
}

void TestInstalled::designFit()
{
    QFETCH(QSize, screen);
    QFETCH(bool, canSwitch);
    QFETCH(double, userScale);
    QFETCH(bool, switches);
    QFETCH(double, scale);
    QFETCH(QPoint, origin);
    const DesignFit fit = designFitFor(screen, canSwitch, userScale);
    QCOMPARE(fit.canSwitch, switches);
    QCOMPARE(fit.scale, scale);
    QCOMPARE(fit.origin, origin);
}

void TestInstalled::backdropFollowsTheMainWindow()
{
    // Unscaled (no fit was chosen) there is no backdrop.
    QWidget main;
    main.resize(DesignSize);
    QVERIFY(!DesignBackdrop::behind(&main));

    DesignBackdrop backdrop(&main);
    QVERIFY(!backdrop.isVisible());
    main.show();
    QVERIFY(backdrop.isVisible());
    QCOMPARE(backdrop.geometry(), main.screen()->geometry());
    main.showMinimized();
    QVERIFY(!backdrop.isVisible());
    main.showNormal();
    QVERIFY(backdrop.isVisible());
    main.hide();
    QVERIFY(!backdrop.isVisible());
}

QTEST_MAIN(TestInstalled)
#include "test_installed.moc"
