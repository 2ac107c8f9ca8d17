// The shipped program's main window as a person meets it: where it stands, the topic buttons
// opening their windows aligned to it, and its close box ending the program.
#include "driver.h"

#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace abacolo::e2e;

class MainWindowEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void mainWindowFillsTheScreenFromTheCorner();
    void topicOpensItsWindowAlignedToTheMainWindow_data();
    void topicOpensItsWindowAlignedToTheMainWindow();
    void topicFollowsADraggedMainWindowAndTheHeaderBringsItBack();
    void closeBoxEndsTheProgramEvenWithAnotherWindowOpen();

private:
    std::unique_ptr<Session> m_session;
    std::optional<WindowInfo> m_main;
};

void MainWindowEndToEnd::init()
{
    m_session = std::make_unique<Session>();
    QVERIFY2(m_session->server.running(), qPrintable(m_session->server.error()));
    m_main = m_session->startProgram();
    QVERIFY2(m_main, qPrintable(u"main window not shown; program said: "_s
                                + (m_session->program ? m_session->program->output() : QString())));
}

void MainWindowEndToEnd::cleanup()
{
    endSession(m_session);
}

void MainWindowEndToEnd::mainWindowFillsTheScreenFromTheCorner()
{
    QCOMPARE(m_main->geometry, QRect(0, 0, 1024, 768));
    // The drawn title bar is there, and the caption under "数数小动物" is drawn in dark blue.
    const QRect titleBar(200, 2, 600, 24);
    QVERIFY(m_session->screen.shareNot(titleBar, qRgb(0, 0, 0)) > 0.9);
    const QRect caption(470, 295, 90, 16);
    QVERIFY(m_session->screen.shareOf(caption, qRgb(0x1b, 0x3f, 0x8b)) > 0.03);
}

void MainWindowEndToEnd::topicOpensItsWindowAlignedToTheMainWindow_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("aligned");

    QTest::newRow("认识数字") << 1 << u"^认识数字--0~9 的写法$"_s << false;
    QTest::newRow("数数小动物") << 2 << u"^数一数有几个$"_s << true;
    QTest::newRow("看图练习") << 3 << u"^数一数有几个$"_s << true;
    QTest::newRow("做练习玩游戏") << 4 << u"^聪明宝宝算一算$"_s << true;
    // The practice window shows the time of day in its title once it runs.
    QTest::newRow("物体色彩") << 6 << u"^(自己练一练|当前时间：.*)$"_s << true;
    QTest::newRow("数轴") << 7 << u"^正负减法练习$"_s << true;
    QTest::newRow("顺序") << 8 << u"^(自己练一练|当前时间：.*)$"_s << true;
    QTest::newRow("统计") << 9 << u"^统计$"_s << true;
}

void MainWindowEndToEnd::topicOpensItsWindowAlignedToTheMainWindow()
{
    QFETCH(int, topic);
    QFETCH(QString, title);
    QFETCH(bool, aligned);
    Screen &screen = m_session->screen;

    const QSet<unsigned long> before = screen.viewableIds();
    screen.click(m_main->geometry.topLeft() + layout::topicButton(topic));
    const std::optional<WindowInfo> shown = screen.waitForNewWindow(before);
    QVERIFY2(shown, "no window opened");
    QVERIFY2(QRegularExpression(title).match(shown->title).hasMatch(), qPrintable(shown->title));
    if (aligned)
        QCOMPARE(shown->geometry.top(), m_main->geometry.top());
    QVERIFY(QRect(0, 0, 1024, 768).intersects(shown->geometry));

    // Its close box hides it again and the program goes on.
    screen.click(layout::closeBox(shown->geometry));
    QVERIFY2(screen.waitForHidden(shown->id), "the close box did not close the window");
    QVERIFY(m_session->program->running());
}

void MainWindowEndToEnd::topicFollowsADraggedMainWindowAndTheHeaderBringsItBack()
{
    Screen &screen = m_session->screen;
    // Drag the main window 40 pixels down by its title bar.
    screen.drag(QPoint(500, 14), QPoint(500, 54));
    QVERIFY(waitUntil([&] {
        const auto main = screen.window(layout::MainTitle);
        return main && main->geometry.topLeft() == QPoint(0, 40);
    }));

    const QSet<unsigned long> before = screen.viewableIds();
    screen.click(QPoint(0, 40) + layout::topicButton(2));
    const std::optional<WindowInfo> game = screen.waitForNewWindow(before);
    QVERIFY(game);
    QCOMPARE(game->title, u"数一数有几个"_s);
    QCOMPARE(game->geometry.top(), 40);

    screen.click(layout::closeBox(game->geometry));
    QVERIFY(screen.waitForHidden(game->id));
    // The mouse touching the header puts the main window back into the corner.
    screen.moveTo(QPoint(700, 40 + 60));
    screen.moveTo(QPoint(705, 40 + 62));
    QVERIFY(waitUntil([&] {
        const auto main = screen.window(layout::MainTitle);
        return main && main->geometry == QRect(0, 0, 1024, 768);
    }));
}

void MainWindowEndToEnd::closeBoxEndsTheProgramEvenWithAnotherWindowOpen()
{
    Screen &screen = m_session->screen;
    // The digit chooser is small and leaves the main window's close box free.
    const QSet<unsigned long> before = screen.viewableIds();
    screen.click(layout::topicButton(1));
    const std::optional<WindowInfo> chooser = screen.waitForNewWindow(before);
    QVERIFY(chooser);
    QVERIFY(!chooser->geometry.contains(layout::closeBox(m_main->geometry)));

    screen.click(layout::closeBox(m_main->geometry));
    QVERIFY2(m_session->program->waitForExit(15000), "the program did not end");
    QCOMPARE(m_session->program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_session->program->exitCode(), 0);
}

QTEST_GUILESS_MAIN(MainWindowEndToEnd)
#include "test_e2e_mainwindow.moc"
