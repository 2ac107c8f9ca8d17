// The main window: topic buttons opening their windows, hover pictures, the header.
#include "services/pictures.h"
#include "shell/mainform.h"
#include "shell/windowset.h"
#include "tests/support/testworld.h"
#include "toolkit/imagebutton.h"
#include "toolkit/picturebox.h"
#include "toolkit/urllabel.h"
#include "training/game_num1.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

Form *windowNamed(const TestWorld &world, const QString &name)
{
    for (QObject *member : world.windows()->members()) {
        if (member->objectName() == name)
            return qobject_cast<Form *>(member);
    }
    return nullptr;
}

QList<QWidget *> visibleWindows()
{
    QList<QWidget *> shown;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && qobject_cast<Form *>(w))
            shown.append(w);
    }
    return shown;
}

// The user presses a topic button in the active main window.
bool pressTopic(int n)
{
    mymainForm->activateWindow();
    if (!QTest::qWaitForWindowActive(mymainForm))
        return false;
    QTest::mouseClick(mymainForm->topicButton(n), Qt::LeftButton);
    return true;
}

// Catches the addresses the program asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
    Q_INVOKABLE void open(const QUrl &url) { opened.append(url); }
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void topicOpensItsWindowAlignedToTheMainWindow_data();
    void topicOpensItsWindowAlignedToTheMainWindow();
    void aSecondPressBringsTheSameWindowToTheFront();
    void hoverSwapsTheTopicPictures_data();
    void hoverSwapsTheTopicPictures();
    void headerReturnsTheMainWindowToTheCorner();
    void publisherLinkOpensOurPage();
};

void MainWindowTest::topicOpensItsWindowAlignedToTheMainWindow_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("aligned");

    QTest::newRow("认识数字") << 1 << u"Form32"_s << false;
    QTest::newRow("数数小动物") << 2 << u"Form2"_s << true;
    QTest::newRow("看图练习") << 3 << u"Form14"_s << true;
    QTest::newRow("做练习玩游戏") << 4 << u"Form10"_s << true;
    QTest::newRow("物体几何形状") << 5 << u"ShapesForm"_s << true;
    QTest::newRow("物体色彩") << 6 << u"Form5"_s << true;
    QTest::newRow("数轴") << 7 << u"Form25"_s << true;
    QTest::newRow("顺序") << 8 << u"Form5"_s << true;
    QTest::newRow("统计") << 9 << u"Form17"_s << true;
    QTest::newRow("比较数字") << 12 << u"ComparingForm"_s << true;
    QTest::newRow("认识时间") << 13 << u"ClockForm"_s << true;
    QTest::newRow("智力游戏") << 14 << u"MemoryForm"_s << true;
    QTest::newRow("等量建立") << 18 << u"BalanceForm"_s << true;
    QTest::newRow("一半") << 20 << u"HalfForm"_s << true;
    QTest::newRow("找错误") << 10 << u"FindErrorsForm"_s << true;
    QTest::newRow("倍数的认识") << 11 << u"MultiplesForm"_s << true;
    QTest::newRow("魔法数字") << 17 << u"DirectionsForm"_s << true;
    QTest::newRow("判断路径") << 16 << u"PathsForm"_s << true;
    QTest::newRow("统计图") << 15 << u"BarGraphsForm"_s << true;
    QTest::newRow("乘法口诀") << 19 << u"TimesTablesForm"_s << true;
}

void MainWindowTest::topicOpensItsWindowAlignedToTheMainWindow()
{
    QFETCH(int, button);
    QFETCH(QString, window);
    QFETCH(bool, aligned);

    TestWorld world;
    world.start();
    Form *shown = windowNamed(world, window);
    QVERIFY(shown);
    // In the corner, and after the main window was dragged down by 40 pixels.
    for (const int top : {0, 40}) {
        shown->close();
        mymainForm->move(0, top);
        QVERIFY(pressTopic(button));
        QCOMPARE(mymainForm->Edit3->text(), u"suiImageButton"_s + QString::number(button));
        QVERIFY(shown->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QCOMPARE(visibleWindows().size(), 2);
        if (aligned)
            QCOMPARE(shown->y(), top);
    }
}

void MainWindowTest::aSecondPressBringsTheSameWindowToTheFront()
{
    TestWorld world;
    world.start();
    QVERIFY(pressTopic(2));
    QVERIFY(QTest::qWaitForWindowActive(Form2));
    Form2->move(Form2->x(), 120); // dragged away meanwhile

    QVERIFY(pressTopic(2));
    QVERIFY(QTest::qWaitForWindowActive(Form2));
    QCOMPARE(Form2->y(), 0);
    const QList<QWidget *> shown = visibleWindows();
    QCOMPARE(shown.size(), 2);
    QVERIFY(shown.contains(mymainForm) && shown.contains(Form2));
}

void MainWindowTest::hoverSwapsTheTopicPictures_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("atStart");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("left");

    QTest::newRow("认识数字") << 1 << u"picgame25"_s << u"picgame25"_s << u"picgame26"_s;
    QTest::newRow("数数小动物") << 2 << u"aqua1"_s << u"aqua1"_s << u"aqua2"_s;
    QTest::newRow("统计 starts as left") << 9 << u"picgame36"_s << u"picgame35"_s << u"picgame36"_s;
    QTest::newRow("一半") << 20 << u"picgame31"_s << u"picgame31"_s << u"picgame32"_s;
}

void MainWindowTest::hoverSwapsTheTopicPictures()
{
    QFETCH(int, button);
    QFETCH(QString, atStart);
    QFETCH(QString, entered);
    QFETCH(QString, left);

    TestWorld world;
    world.start();
    ImageButton *topic = mymainForm->topicButton(button);
    QVERIFY(samePicture(topic->picture(), world.pictures.picture(atStart)));
    for (int round = 0; round < 2; ++round) {
        QTest::mouseMove(topic, topic->rect().center());
        QTRY_VERIFY(samePicture(topic->picture(), world.pictures.picture(entered)));
        QTest::mouseMove(mymainForm->Image2, QPoint(20, 500));
        QTRY_VERIFY(samePicture(topic->picture(), world.pictures.picture(left)));
    }
    QVERIFY(world.dialogs.shown.isEmpty());
}

void MainWindowTest::headerReturnsTheMainWindowToTheCorner()
{
    TestWorld world;
    world.start();
    mymainForm->move(30, 40);
    QVERIFY(pressTopic(2));
    QCOMPARE(Form2->y(), 40);

    QTest::mouseMove(mymainForm->Image1, QPoint(500, 40));
    QTRY_COMPARE(mymainForm->pos(), QPoint(0, 0));
    QCOMPARE(Form2->y(), 40); // the shown window stays where it is
}

void MainWindowTest::publisherLinkOpensOurPage()
{
    TestWorld world;
    world.start();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(u"https"_s, &catcher, "open");
    QTest::mouseClick(mymainForm->suiURLLabel2, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(u"https"_s);
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(u"https://abacolo.example/"_s)});
    QVERIFY(!mymainForm->suiURLLabel2->text().isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
