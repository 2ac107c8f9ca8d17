// The digit-lesson chooser and viewer, the games chooser and player, and how their movie
// engine comes and goes, with a recording player in place of the real engine.
#include "flash/flashfullview.h"
#include "flash/flashgames.h"
#include "flash/flashnum.h"
#include "flash/flashnumview.h"
#include "flash/movieplayer.h"
#include "flash/movieplayermodule.h"
#include "flash/shockwaveflash.h"
#include "tests/support/testworld.h"
#include "toolkit/panel.h"
#include "toolkit/shapebutton.h"
#include "toolkit/speedbutton.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

// A player that records what the program asks of it.
class RecordingPlayer : public MoviePlayer
{
public:
    explicit RecordingPlayer(QWidget *parent) : m_area(new QWidget(parent)) {}
    ~RecordingPlayer() override { delete m_area; }

    QWidget *widget() override { return m_area; }
    void loadMovie(const QString &path) override { calls.append(u"load "_s + path); }
    void play() override { calls.append(u"play"_s); }
    void stop() override { calls.append(u"stop"_s); }
    void setEventHandler(EventHandler) override {}

    QStringList calls;

private:
    QPointer<QWidget> m_area;
};

class RecordingFactory : public MoviePlayerFactory
{
public:
    MoviePlayer *createPlayer(const MovieSettings &settings, QWidget *parent) override
    {
        lastSettings = settings;
        ++created;
        chooserOnScreen = Form32->windowHandle() && Form32->windowHandle()->isExposed();
        return new RecordingPlayer(parent);
    }

    int created = 0;
    MovieSettings lastSettings;
    bool chooserOnScreen = false; // when the last engine was made
};

RecordingPlayer *engineOf(ShockwaveFlash *flash)
{
    return static_cast<RecordingPlayer *>(flash->engine());
}

QString movie(const QString &relative)
{
    return QDir::currentPath() + relative;
}

} // namespace

class FlashWindowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void programDoesNotCarryTheWebEngine();
    void lessonButtonsOpenTheirLesson_data();
    void lessonButtonsOpenTheirLesson();
    void buttonsWithoutALessonDoNothing();
    void closingTheViewerReturnsToTheChooserAndTheNextLessonSpeaks();
    void viewerFitsTheScreen_data();
    void viewerFitsTheScreen();
    void gameButtonsStartTheirGame_data();
    void gameButtonsStartTheirGame();
    void closingTheGamePlayerAlwaysReturnsToTheChooser();
    void engineRunsOnlyWhileAChooserOrItsPlayerIsShown();
    void withoutTheModuleTheWindowsCarryOn();

private:
    std::unique_ptr<TestWorld> world;
    RecordingFactory factory;
};

void FlashWindowsTest::init()
{
    factory = RecordingFactory();
    MoviePlayerModule::useFactory(&factory);
    world = std::make_unique<TestWorld>();
}

void FlashWindowsTest::cleanup()
{
    world.reset();
    MoviePlayerModule::useFactory(nullptr);
}

void FlashWindowsTest::programDoesNotCarryTheWebEngine()
{
    // The program (all its windows included) must start without the web engine in memory:
    // only the movie player module links it.
    world->start();
    QFile maps(u"/proc/self/maps"_s);
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QVERIFY(!maps.readAll().contains("WebEngine"));
}

void FlashWindowsTest::lessonButtonsOpenTheirLesson_data()
{
    QTest::addColumn<int>("digit");
    for (int digit = 0; digit <= 9; ++digit)
        QTest::addRow("%d", digit) << digit;
}

void FlashWindowsTest::lessonButtonsOpenTheirLesson()
{
    QFETCH(int, digit);
    // The lessons of 3 … 9 open only when their file is there; 0 … 2 open regardless.
    if (digit >= 3) {
        QVERIFY(QDir(world->dataDir()).mkpath(u"numbers"_s));
        const QString lesson = u"/numbers/%1x.swf"_s.arg(digit);
        QVERIFY(QFile::copy(qEnvironmentVariable("ABACOLO_SOURCE_DIR") + u"/data"_s + lesson,
                            world->dataDir() + lesson));
    }
    world->start();
    Form32->Show();
    QTRY_VERIFY(Form33->ShockwaveFlash1->engineRunning());
    RecordingPlayer *engine = engineOf(Form33->ShockwaveFlash1);

    QTest::mouseClick(Form32->suiButton(digit + 1), Qt::LeftButton);

    const QString path = movie(u"/numbers/%1x.swf"_s.arg(digit));
    QVERIFY(Form33->isVisible());
    QVERIFY(!Form32->isVisible());
    QCOMPARE(Form33->Tag, digit);
    QCOMPARE(Form33->ShockwaveFlash1->Movie(), path);
    QVERIFY(Form33->ShockwaveFlash1->Playing());
    QCOMPARE(engine->calls.mid(engine->calls.size() - 2), (QStringList{u"load "_s + path, u"play"_s}));
    QCOMPARE(Form33->Panel1Caption->text(), u"想一想，数字是怎么写的！"_s);
    QTest::mouseClick(Form33->SpeedButton1, Qt::LeftButton);
    QCOMPARE(world->cues.played, QStringList{u"numvoice%1"_s.arg(digit)});
}

void FlashWindowsTest::buttonsWithoutALessonDoNothing()
{
    // The data folder has no numbers/ at all: "3" … "9" find no lesson.
    world->start();
    Form32->Show();
    QTRY_VERIFY(Form33->ShockwaveFlash1->engineRunning());
    const QStringList before = engineOf(Form33->ShockwaveFlash1)->calls;
    for (int number = 4; number <= 10; ++number) {
        QTest::mouseClick(Form32->suiButton(number), Qt::LeftButton);
        QVERIFY2(Form32->isVisible(), qPrintable(Form32->suiButton(number)->text()));
        QVERIFY(!Form33->isVisible());
    }
    QCOMPARE(engineOf(Form33->ShockwaveFlash1)->calls, before);
    QVERIFY(Form33->ShockwaveFlash1->Movie().isEmpty());
    QVERIFY(world->cues.played.isEmpty());
}

void FlashWindowsTest::closingTheViewerReturnsToTheChooserAndTheNextLessonSpeaks()
{
    world->start();
    Form32->Show();
    QTRY_VERIFY(Form33->ShockwaveFlash1->engineRunning());
    RecordingPlayer *engine = engineOf(Form33->ShockwaveFlash1);

    QTest::mouseClick(Form32->suiButton(1), Qt::LeftButton);
    QVERIFY(Form33->close());
    QVERIFY(!Form33->isVisible());
    QVERIFY(Form32->isVisible());
    QCOMPARE(Form33->ShockwaveFlash1->Movie(), movie(u"/numbers/start.swf"_s));
    QVERIFY(!Form33->ShockwaveFlash1->Playing());
    QCOMPARE(engine->calls.mid(engine->calls.size() - 2),
             (QStringList{u"load "_s + movie(u"/numbers/start.swf"_s), u"stop"_s}));

    QTest::mouseClick(Form32->suiButton(2), Qt::LeftButton);
    QCOMPARE(Form33->ShockwaveFlash1->Movie(), movie(u"/numbers/1x.swf"_s));
    QVERIFY(Form33->ShockwaveFlash1->Playing());
    QTest::mouseClick(Form33->SpeedButton1, Qt::LeftButton);
    QCOMPARE(world->cues.played, QStringList{u"numvoice1"_s});

    // The engine was not restarted on the way: the chooser kept it.
    QCOMPARE(factory.created, 1);
}

void FlashWindowsTest::viewerFitsTheScreen_data()
{
    QTest::addColumn<QSize>("desktop"); // the screen before the program switches it
    QTest::addColumn<QSize>("screen");  // the screen when the viewer is shown
    QTest::addColumn<int>("barHeight");
    QTest::addColumn<QRect>("speaker");
    QTest::newRow("1024 x 768") << QSize(1024, 768) << QSize(1024, 768) << 89
                                << QRect(632, 9, 57, 57);
    // The window set is made before the switch: the viewer still fits the switched screen.
    QTest::newRow("1920 x 1080 switched to 1024 x 768")
        << QSize(1920, 1080) << QSize(1024, 768) << 89 << QRect(632, 9, 57, 57);
    // A screen left wider scales the whole layout by 1280 / 1024; the bar still lies along
    // the bottom edge.
    QTest::newRow("1280 x 1024 when shown") << QSize(1024, 768) << QSize(1280, 1024) << 111
                                            << QRect(790, 11, 71, 71);
}

void FlashWindowsTest::viewerFitsTheScreen()
{
    QFETCH(QSize, desktop);
    QFETCH(QSize, screen);
    QFETCH(int, barHeight);
    QFETCH(QRect, speaker);
    world->display.size = desktop;
    world->start();
    world->display.size = screen;

    auto verifyFitted = [&](QSize size, int bar, QRect button) {
        QCOMPARE(Form33->size(), size);
        QCOMPARE(Form33->Panel2->height(), bar);
        QCOMPARE(Form33->Panel2->y(), size.height() - bar);
        QCOMPARE(Form33->SpeedButton1->geometry(), button);
        QCOMPARE(Form33->Panel2Caption->font().pixelSize(), 20 * size.width() / 1024);
        // The player fills the area under the title bar, with the bar lying over its lower part.
        const QRect player(Form33->ShockwaveFlash1->mapTo(Form33, QPoint()),
                           Form33->ShockwaveFlash1->size());
        QVERIFY(player.contains(QPoint(size.width() / 2, Form33->Panel2->y() + 1)));
        QCOMPARE(player.top(), 29);
    };

    // Shown, it fits the screen as it is then, and is placed on it.
    Form33->Show();
    verifyFitted(screen, barHeight, speaker);
    QVERIFY(Form33->x() >= 0 && Form33->y() >= 0);

    // The screen changes while it is shown: it fits again, and back.
    QScreen *shownOn = Form33->screen();
    QVERIFY(shownOn);
    world->display.size = QSize(1280, 1024);
    Q_EMIT shownOn->geometryChanged(QRect(QPoint(), world->display.size));
    verifyFitted(QSize(1280, 1024), 111, QRect(790, 11, 71, 71));
    world->display.size = QSize(1024, 768);
    Q_EMIT shownOn->geometryChanged(QRect(QPoint(), world->display.size));
    verifyFitted(QSize(1024, 768), 89, QRect(632, 9, 57, 57));
}

void FlashWindowsTest::gameButtonsStartTheirGame_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("game");
    const int buttons[] = {9, 10, 11, 12, 19, 13, 14, 15, 16, 20};
    for (int game = 1; game <= 10; ++game)
        QTest::addRow("RzShapeButton%d", buttons[game - 1]) << buttons[game - 1] << game;
}

void FlashWindowsTest::gameButtonsStartTheirGame()
{
    QFETCH(int, button);
    QFETCH(int, game);
    world->start();
    Form15->Show();
    QTRY_VERIFY(Form35->ShockwaveFlash1->engineRunning());
    RecordingPlayer *engine = engineOf(Form35->ShockwaveFlash1);
    // Its picture, read from the resources when first drawn.
    QCOMPARE(Form15->RzShapeButton(button)->picture().size(), QSize(60, 60));

    QTest::mouseClick(Form15->RzShapeButton(button), Qt::LeftButton);

    const QString path = movie(u"/numbers/fgames/%1.swf"_s.arg(game));
    QVERIFY(Form35->isVisible());
    QVERIFY(!Form15->isVisible());
    QCOMPARE(engine->calls.mid(engine->calls.size() - 2), (QStringList{u"load "_s + path, u"play"_s}));
}

void FlashWindowsTest::closingTheGamePlayerAlwaysReturnsToTheChooser()
{
    world->start();
    Form15->Show();
    QTRY_VERIFY(Form35->ShockwaveFlash1->engineRunning());

    const int from = engineOf(Form35->ShockwaveFlash1)->calls.size();
    for (int button : {11, 14}) { // games 3 and 7
        QTest::mouseClick(Form15->RzShapeButton(button), Qt::LeftButton);
        QVERIFY(Form35->isVisible());
        QVERIFY(Form35->close());
        QVERIFY(!Form35->isVisible());
        QVERIFY(Form15->isVisible());
        QCOMPARE(Form35->ShockwaveFlash1->Movie(), movie(u"/numbers/start.swf"_s));
        QVERIFY(!Form35->ShockwaveFlash1->Playing());
    }
    QCOMPARE(engineOf(Form35->ShockwaveFlash1)->calls.mid(from),
             (QStringList{u"load "_s + movie(u"/numbers/fgames/3.swf"_s), u"play"_s,
                          u"load "_s + movie(u"/numbers/start.swf"_s), u"stop"_s,
                          u"load "_s + movie(u"/numbers/fgames/7.swf"_s), u"play"_s,
                          u"load "_s + movie(u"/numbers/start.swf"_s), u"stop"_s}));
}

void FlashWindowsTest::engineRunsOnlyWhileAChooserOrItsPlayerIsShown()
{
    world->start();
    QCoreApplication::processEvents();
    QCOMPARE(factory.created, 0); // not at program start

    Form32->Show();
    QTRY_COMPARE(factory.created, 1);
    QVERIFY(factory.chooserOnScreen); // the engine waited for the chooser's first frame
    QCOMPARE(factory.lastSettings.root, QDir::currentPath() + u"/numbers"_s); // movies only
    QCOMPARE(factory.lastSettings.background, QColor(0x00, 0x63, 0x70));
    QCOMPARE(factory.lastSettings.scale, u"showAll"_s);
    QPointer<QWidget> area = Form33->ShockwaveFlash1->engine()->widget();
    QCOMPARE(area->geometry(), Form33->ShockwaveFlash1->rect());

    // Chooser → viewer → chooser keeps the engine.
    QTest::mouseClick(Form32->suiButton(1), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(Form33->ShockwaveFlash1->engineRunning());
    Form33->close();
    QCoreApplication::processEvents();
    QVERIFY(Form33->ShockwaveFlash1->engineRunning());
    QVERIFY(!Form35->ShockwaveFlash1->engineRunning());

    // Both hidden: released.
    Form32->close();
    QTRY_VERIFY(!Form33->ShockwaveFlash1->engineRunning());
    QVERIFY(area.isNull());

    // Shown again, a new engine takes over the stopped title movie.
    Form32->Show();
    QTRY_COMPARE(factory.created, 2);
    QCOMPARE(engineOf(Form33->ShockwaveFlash1)->calls,
             (QStringList{u"stop"_s, u"load "_s + movie(u"/numbers/start.swf"_s)}));
}

void FlashWindowsTest::withoutTheModuleTheWindowsCarryOn()
{
    MoviePlayerModule::useFactory(nullptr);
    MoviePlayerModule::setFolder(QDir::currentPath() + u"/no-such-folder"_s);
    world->start();
    Form15->Show();
    QCoreApplication::processEvents();
    QTest::mouseClick(Form15->RzShapeButton(19), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(Form35->isVisible());
    QVERIFY(!Form35->ShockwaveFlash1->engineRunning());
    QVERIFY(!MoviePlayerModule::errorString().isEmpty());
    QCOMPARE(Form35->ShockwaveFlash1->Movie(), movie(u"/numbers/fgames/5.swf"_s));
    // The player's area is calm, and the way back works.
    const QImage picture = Form35->ShockwaveFlash1->grab().toImage();
    QCOMPARE(picture.pixelColor(picture.rect().center()), QColor(0x00, 0x63, 0x70));
    QVERIFY(Form35->close());
    QVERIFY(Form15->isVisible());
    QVERIFY(world->dialogs.shown.isEmpty());
}

QTEST_MAIN(FlashWindowsTest)
#include "test_flashwindows.moc"
