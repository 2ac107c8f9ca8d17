// The movie player control driving the real player module (the movie emulator in a web
// engine) under the offscreen platform, with small movies this test writes itself.
#include "flash/movieplayermodule.h"
#include "flash/shockwaveflash.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

// ---- A few movie tags, written by hand ----------------------------------------------------

class Bits
{
public:
    void put(quint32 value, int count)
    {
        for (int i = count - 1; i >= 0; --i)
            m_bits.append((value >> i) & 1);
    }
    void putSigned(qint32 value, int count) { put(quint32(value) & ((1u << count) - 1), count); }
    QByteArray bytes() const
    {
        QByteArray out((m_bits.size() + 7) / 8, '\0');
        for (int i = 0; i < m_bits.size(); ++i)
            if (m_bits[i])
                out[i / 8] = char(out[i / 8] | (0x80 >> (i % 8)));
        return out;
    }

private:
    QList<int> m_bits;
};

int bitsFor(std::initializer_list<qint32> values)
{
    int n = 2;
    for (qint32 v : values)
        while (v < -(1 << (n - 1)) || v >= (1 << (n - 1)))
            ++n;
    return n;
}

QByteArray u16(int v)
{
    QByteArray out(2, '\0');
    out[0] = char(v & 0xff);
    out[1] = char((v >> 8) & 0xff);
    return out;
}
QByteArray u32(quint32 v) { return u16(int(v & 0xffff)) + u16(int(v >> 16)); }

QByteArray rect(int x0, int x1, int y0, int y1)
{
    Bits b;
    const int n = bitsFor({x0, x1, y0, y1});
    b.put(quint32(n), 5);
    for (int v : {x0, x1, y0, y1})
        b.putSigned(v, n);
    return b.bytes();
}

QByteArray tag(int code, const QByteArray &body)
{
    if (body.size() < 63)
        return u16((code << 6) | int(body.size())) + body;
    return u16((code << 6) | 63) + u32(quint32(body.size())) + body;
}

QByteArray showFrame() { return tag(1, {}); }

// A filled rectangle of w × h pixels (DefineShape).
QByteArray box(int id, int w, int h, QColor colour)
{
    w *= 20;
    h *= 20;
    QByteArray body = u16(id) + rect(0, w, 0, h);
    body += char(1);                                                   // one fill style
    body += char(0x00);                                                // solid
    body += char(colour.red()), body += char(colour.green()), body += char(colour.blue());
    body += char(0);                                                   // no line style
    Bits b;
    b.put(1, 4), b.put(0, 4);                    // fill and line index bits
    b.put(0b000101, 6);                          // style change: fill style 1, move to
    b.put(2, 5), b.putSigned(0, 2), b.putSigned(0, 2);
    b.put(1, 1);                                 // fill style 1
    auto edge = [&b](int dx, int dy) {
        const int n = bitsFor({dx, dy});
        b.put(0b11, 2), b.put(quint32(n - 2), 4);
        b.put(0, 1);                             // vertical or horizontal
        b.put(dx == 0 ? 1 : 0, 1);
        b.putSigned(dx == 0 ? dy : dx, n);
    };
    edge(w, 0), edge(0, h), edge(-w, 0), edge(0, -h);
    b.put(0, 6);                                 // end of shape
    return tag(2, body + b.bytes());
}

// Places (or, with id 0, moves) a shape at x, y pixels (PlaceObject2).
QByteArray place(int depth, int id, int x, int y)
{
    QByteArray body(1, char(0x04 | (id ? 0x02 : 0x01)));
    body += u16(depth);
    if (id)
        body += u16(id);
    Bits b;
    const int n = bitsFor({x * 20, y * 20});
    b.put(0, 1), b.put(0, 1), b.put(quint32(n), 5), b.putSigned(x * 20, n), b.putSigned(y * 20, n);
    return tag(26, body + b.bytes());
}

// Frame actions: getURL(url, target) for each pair, then stop.
QByteArray getUrls(const QList<QPair<QString, QString>> &requests)
{
    QByteArray actions;
    for (const auto &[url, target] : requests) {
        const QByteArray data = url.toUtf8() + '\0' + target.toUtf8() + '\0';
        actions += char(0x83) + u16(int(data.size())) + data;
    }
    actions += char(0x07); // stop
    actions += char(0x00);
    return tag(12, actions);
}

QByteArray movie(const QByteArray &tags, int frames, int fps = 24)
{
    const QByteArray body = rect(0, 400 * 20, 0, 300 * 20) + u16(fps << 8) + u16(frames) + tags
        + tag(0, {});
    return "FWS" + QByteArray(1, char(6)) + u32(quint32(8 + body.size())) + body;
}

// A red 60-pixel box crossing the stage, a step a frame.
QByteArray movingBox()
{
    QByteArray tags = box(1, 60, 60, Qt::red);
    for (int frame = 0; frame < 12; ++frame)
        tags += place(1, frame == 0 ? 1 : 0, 20 + frame * 25, 120) + showFrame();
    return movie(tags, 12);
}

// The whole stage in one colour.
QByteArray fullStage(QColor colour)
{
    return movie(box(1, 400, 300, colour) + place(1, 1, 0, 0) + showFrame(), 1);
}

// A small marker box in the top-left corner.
QByteArray marker(QColor colour)
{
    return movie(box(1, 40, 40, colour) + place(1, 1, 0, 0) + showFrame(), 1);
}

const QColor Calm(0x00, 0x63, 0x70);
const QColor Green(0, 200, 0);
const QColor Blue(0, 0, 255);

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12
        && qAbs(a.blue() - b.blue()) < 12;
}

// Runs the event loop until `done` holds or the time is up. The engine works in many small
// steps on our thread: the test library's waits, which sleep between rounds of events, would
// slow it down many times over.
bool runUntil(const std::function<bool()> &done, int timeoutMs = 60000)
{
    if (done())
        return true;
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= timeoutMs)
            loop.quit();
    });
    poll.start(10);
    loop.exec();
    return done();
}

// Lets the engine run for a while: an observation window, not a wait for the program.
void runFor(int ms)
{
    (void)runUntil([] { return false; }, ms);
}

} // namespace

class MoviePlayerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void playsAndStops();
    void missingMovieLeavesTheCalmAreaAndTheNextLoadWorks();
    void movieLoadsASiblingByRelativeName();
    void movieReadsBelowTheDataFolderOnly_data();
    void movieReadsBelowTheDataFolderOnly();
    void linksAreNotFollowed();
    void gamesDrawOtherRoundsOnEveryPlay();
    void oversizedMovieIsRefusedLikeABrokenOne_data();
    void oversizedMovieIsRefusedLikeABrokenOne();

private:
    QString write(const QString &relative, const QByteArray &bytes);
    QImage picture() const { return flash->grab().toImage(); }
    QColor at(QPoint stagePoint) const;
    bool waitFor(MovieEvent event, const QString &path);
    // Waits until the picture has not changed for `quietMs` and gives it.
    bool waitForStillPicture(QImage *still, int quietMs);

    QTemporaryDir folder;   // holds the data folder "data" and files outside it
    QString dataDir;
    QString previousDir;
    std::unique_ptr<QWidget> window;
    ShockwaveFlash *flash = nullptr;
    std::unique_ptr<QSignalSpy> events;
};

void MoviePlayerTest::initTestCase()
{
    MoviePlayerModule::setFolder(qEnvironmentVariable("ABACOLO_DATA_DIR") + u"/plugins"_s);
    if (!MoviePlayerModule::factory())
        QSKIP(qPrintable(u"the player module is not built: "_s + MoviePlayerModule::errorString()));
    dataDir = folder.filePath(u"data"_s);
    QDir().mkpath(dataDir + u"/numbers"_s);
    previousDir = QDir::currentPath();
    QDir::setCurrent(dataDir);
}

void MoviePlayerTest::init()
{
    // The stage is 400 × 300 and the area 400 × 300: one stage pixel is one screen pixel.
    window = std::make_unique<QWidget>();
    window->resize(400, 300);
    flash = new ShockwaveFlash(u"ShockwaveFlash1"_s, window.get());
    flash->setGeometry(0, 0, 400, 300);
    events = std::make_unique<QSignalSpy>(flash, &ShockwaveFlash::movieEvent);
    window->show();
    QVERIFY(flash->engineRunning());
}

void MoviePlayerTest::cleanup()
{
    events.reset();
    window.reset();
}

QString MoviePlayerTest::write(const QString &relative, const QByteArray &bytes)
{
    const QString path = QDir(dataDir).filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QColor MoviePlayerTest::at(QPoint stagePoint) const
{
    return picture().pixelColor(stagePoint);
}

bool MoviePlayerTest::waitFor(MovieEvent event, const QString &path)
{
    auto seen = [&] {
        for (const QList<QVariant> &e : std::as_const(*events))
            if (e.at(0).value<MovieEvent>() == event && e.at(1).toString() == path)
                return true;
        return false;
    };
    return runUntil(seen);
}

bool MoviePlayerTest::waitForStillPicture(QImage *still, int quietMs)
{
    *still = picture();
    QElapsedTimer unchanged;
    unchanged.start();
    return runUntil([&] {
        if (const QImage now = picture(); now != *still) {
            *still = now;
            unchanged.restart();
        }
        return unchanged.elapsed() >= quietMs;
    }, 20000);
}

void MoviePlayerTest::playsAndStops()
{
    const QString path = write(u"numbers/moving.swf"_s, movingBox());
    flash->LoadMovie(path);
    flash->Play();
    QVERIFY(waitFor(MovieEvent::Shown, path));

    // Playing, the picture changes.
    const QImage first = picture();
    QVERIFY(runUntil([&] { return picture() != first; }, 10000));

    // Stopped, it does not: once the stop has arrived, the box stays where it is over many of
    // the movie's frames.
    flash->Stop();
    QImage still;
    QVERIFY(waitForStillPicture(&still, 300));
    runFor(500);
    QCOMPARE(picture(), still);

    // And it runs again.
    flash->Play();
    QVERIFY(runUntil([&] { return picture() != still; }, 10000));
}

void MoviePlayerTest::missingMovieLeavesTheCalmAreaAndTheNextLoadWorks()
{
    const QString missing = QDir(dataDir).filePath(u"numbers/none.swf"_s);
    flash->LoadMovie(missing);
    flash->Play();
    QVERIFY(waitFor(MovieEvent::Failed, missing));
    // No error panel: the whole area is the calm background.
    const QImage shown = picture();
    for (QPoint p : {QPoint(5, 5), QPoint(200, 150), QPoint(395, 295), QPoint(100, 250)})
        QVERIFY2(near(shown.pixelColor(p), Calm), qPrintable(shown.pixelColor(p).name()));

    const QString path = write(u"numbers/full.swf"_s, fullStage(Green));
    flash->LoadMovie(path);
    QVERIFY(waitFor(MovieEvent::Shown, path));
    QVERIFY(runUntil([&] { return near(at({200, 150}), Green); }, 10000));
}

void MoviePlayerTest::movieLoadsASiblingByRelativeName()
{
    write(u"numbers/games/sibling.swf"_s, fullStage(Green));
    const QString loader = write(u"numbers/games/loader.swf"_s,
                                 movie(getUrls({{u"sibling.swf"_s, u"_level0"_s}}) + showFrame(), 1));
    flash->LoadMovie(loader);
    flash->Play();
    QVERIFY(runUntil([&] { return near(at({200, 150}), Green); }, 60000));
}

void MoviePlayerTest::movieReadsBelowTheDataFolderOnly_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("parent folder") << u"../../outside.swf"_s;
    QTest::newRow("data folder beside the movies") << u"../beside.swf"_s;
    QTest::newRow("absolute path") << u"{folder}/outside.swf"_s;
    QTest::newRow("file URL") << u"file://{folder}/outside.swf"_s;
    QTest::newRow("link to outside") << u"link.swf"_s;
    QTest::newRow("web") << u"http://127.0.0.1:{port}/outside.swf"_s;
}

void MoviePlayerTest::movieReadsBelowTheDataFolderOnly()
{
    QFETCH(QString, target);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    int connections = 0;
    connect(&server, &QTcpServer::newConnection, this, [&] { ++connections; });

    // A green movie outside the data folder, and a link to it inside.
    const QString outside = folder.filePath(u"outside.swf"_s);
    QFile file(outside);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fullStage(Green));
    file.close();
    write(u"beside.swf"_s, fullStage(Green)); // where the tables are
    QFile::remove(dataDir + u"/numbers/link.swf"_s);
    QVERIFY(QFile::link(outside, dataDir + u"/numbers/link.swf"_s));

    // The movie asks for the outside file on one level and for an allowed marker on another:
    // once the marker shows, the other request has had its chance.
    write(u"numbers/marker.swf"_s, marker(Blue));
    const QString url = QString(target)
                            .replace(u"{folder}"_s, folder.path())
                            .replace(u"{port}"_s, QString::number(server.serverPort()));
    const QString path = write(u"numbers/reach.swf"_s,
                               movie(getUrls({{url, u"_level1"_s}, {u"marker.swf"_s, u"_level2"_s}})
                                         + showFrame(),
                                     1));
    flash->LoadMovie(path);
    flash->Play();
    QVERIFY(runUntil([&] { return near(at({20, 20}), Blue); }, 60000));
    runFor(300);
    QVERIFY2(near(at({200, 150}), Calm), qPrintable(at({200, 150}).name()));
    QCOMPARE(connections, 0);
}

void MoviePlayerTest::linksAreNotFollowed()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    int connections = 0;
    connect(&server, &QTcpServer::newConnection, this, [&] { ++connections; });
    const QString web = u"http://127.0.0.1:%1/"_s.arg(server.serverPort());

    write(u"numbers/marker.swf"_s, marker(Blue));
    const QString path = write(u"numbers/links.swf"_s,
                               movie(getUrls({{web, u"_blank"_s}, {web, u"_self"_s},
                                              {web, u""_s}, {u"marker.swf"_s, u"_level2"_s}})
                                         + showFrame(),
                                     1));
    flash->LoadMovie(path);
    flash->Play();
    QVERIFY(runUntil([&] { return near(at({20, 20}), Blue); }, 60000));
    runFor(300);
    // Still the player, still the movie, and nothing went out.
    QVERIFY(near(at({20, 20}), Blue));
    QCOMPARE(connections, 0);
}

void MoviePlayerTest::gamesDrawOtherRoundsOnEveryPlay()
{
    // The emulator seeds the movie's random numbers afresh for every load, from its clock;
    // the game's first frame draws its rounds with them. Loads that all showed the same first
    // question with its right card at the same place would mean the drawing does not work
    // (four loads of a game with 10 questions × 3 places agree by chance once in 27 000).
    QFile game(qEnvironmentVariable("ABACOLO_SOURCE_DIR") + u"/data/numbers/fgames/4.swf"_s);
    QVERIFY(game.open(QIODevice::ReadOnly));
    const QString path = write(u"numbers/fgames/4.swf"_s, game.readAll());
    QList<QImage> firstQuestions;
    for (int play = 0; play < 4; ++play) {
        events->clear();
        flash->LoadMovie(path);
        flash->Play();
        QVERIFY(waitFor(MovieEvent::Shown, path));
        // The question stands still once drawn.
        QImage shown;
        QVERIFY(waitForStillPicture(&shown, 400));
        // A question is on screen: its white banner across the top.
        QVERIFY2(near(shown.pixelColor(200, 28), Qt::white), qPrintable(shown.pixelColor(200, 28).name()));
        firstQuestions.append(shown);
        runFor(20); // another millisecond on the emulator's clock, another seed
    }
    int different = 0;
    for (const QImage &other : std::as_const(firstQuestions))
        different += other != firstQuestions.first();
    QVERIFY2(different > 0, "four plays started with the same question at the same place");
}

void MoviePlayerTest::oversizedMovieIsRefusedLikeABrokenOne_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("fileSize"); // grown to this with zeros, when larger

    // A small compressed movie whose header declares 2 GB once unpacked.
    QByteArray packed = qCompress(fullStage(Green).mid(8));
    packed.remove(0, 4); // qCompress's own length prefix
    QTest::newRow("compressed, declaring 2 GB")
        << QByteArray("CWS") + char(6) + u32(0x8000'0000u) + packed << qint64(0);
    QTest::newRow("a file of 65 MB") << fullStage(Green) << qint64(65) * 1024 * 1024;
}

void MoviePlayerTest::oversizedMovieIsRefusedLikeABrokenOne()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, fileSize);
    const QString path = write(u"numbers/huge.swf"_s, content);
    if (fileSize > 0)
        QVERIFY(QFile::resize(path, fileSize)); // sparse: costs no disk
    flash->LoadMovie(path);
    flash->Play();
    QVERIFY(waitFor(MovieEvent::Failed, path));
    runFor(300);
    QVERIFY2(near(at({200, 150}), Calm), qPrintable(at({200, 150}).name()));
    QFile::remove(path);

    const QString fine = write(u"numbers/fine.swf"_s, fullStage(Green));
    flash->LoadMovie(fine);
    QVERIFY(waitFor(MovieEvent::Shown, fine));
}

// A plain application object: the test library's own start-up probes the graphics driver in a
// way that leaves the web engine a broken shared graphics context.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    MoviePlayerTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_movieplayer.moc"
