// The shipped program's voice cues, heard through a sound server of the test's own: a right
// answer in the counting game sounds, a second cue cuts the first off, and the delay from the
// click to the first sample that reaches the speakers is measured. The sound output is loaded
// only once a window that can sound is open.
//
// The sound server: PulseAudio started by the test with its own runtime folder and a config
// that loads only a null sink and the native protocol on a private socket:
//     pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false --disallow-exit
//                --use-pid-file=false -F <config>
// (-n: no default config; as root PulseAudio warns but runs as a per-user server when
// --system=false; HOME and XDG_RUNTIME_DIR point into the test's folder so that nothing of the
// machine's own sound set-up is touched.) What the sink plays is recorded from its monitor:
//     parec -s <socket> -d abacolo_sink.monitor --raw --format=s16le --rate=44100 --channels=2
#include "driver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace abacolo::e2e;
using namespace abacolo::e2e::counting;

namespace {

constexpr int Rate = 44100;
constexpr int FrameBytes = 4;        // s16le, two channels
constexpr int Loud = 300;            // a sample beyond ±300 of 32767 (about −40 dBFS) is sound
constexpr double QuietAfterMs = 600; // a cue has ended after this much silence

QProcessEnvironment soundEnvironment(const QString &folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, folder);
    environment.insert(u"XDG_RUNTIME_DIR"_s, folder + u"/run"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, folder + u"/config"_s);
    environment.remove(u"PULSE_SERVER"_s);
    return environment;
}

// A PulseAudio server of the test's own with one null sink.
class SoundServer
{
public:
    SoundServer()
    {
        const QString folder = m_folder.path();
        QDir().mkpath(folder + u"/run"_s);
        QFile::setPermissions(folder + u"/run"_s, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_socket = folder + u"/run/native"_s;
        QFile config(folder + u"/server.pa"_s);
        if (!config.open(QIODevice::WriteOnly))
            return;
        config.write("load-module module-null-sink sink_name=abacolo_sink rate=44100 channels=2\n"
                     "load-module module-native-protocol-unix auth-anonymous=1 socket="
                     + m_socket.toUtf8() + "\nset-default-sink abacolo_sink\n");
        config.close();
        m_process.setProcessEnvironment(soundEnvironment(folder));
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(u"pulseaudio"_s, {u"-n"_s, u"--daemonize=no"_s, u"--exit-idle-time=-1"_s,
                                          u"--system=false"_s, u"--disallow-exit"_s,
                                          u"--use-pid-file=false"_s, u"--log-target=stderr"_s,
                                          u"-F"_s, config.fileName()});
        if (!m_process.waitForStarted(10000))
            return;
        m_ready = waitUntil([this] {
            if (m_process.state() == QProcess::NotRunning)
                return true;
            QProcess info;
            info.setProcessEnvironment(soundEnvironment(m_folder.path()));
            info.start(u"pactl"_s, {u"-s"_s, server(), u"info"_s});
            return info.waitForFinished(5000) && info.exitCode() == 0;
        }, 20000) && m_process.state() != QProcess::NotRunning;
    }
    ~SoundServer()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    bool ready() const { return m_ready; }
    QString server() const { return u"unix:"_s + m_socket; }
    QString folder() const { return m_folder.path(); }
    QString log() { return QString::fromLocal8Bit(m_process.readAll()); }

private:
    QTemporaryDir m_folder;
    QString m_socket;
    QProcess m_process;
    bool m_ready = false;
};

// What the null sink plays, recorded from its monitor, with the time each sample was played
// on the test's clock.
class Recorder
{
public:
    Recorder(const SoundServer &sound, const QElapsedTimer &clock) : m_clock(clock)
    {
        m_process.setProcessEnvironment(soundEnvironment(sound.folder()));
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] { read(); });
        m_process.start(u"parec"_s, {u"-s"_s, sound.server(), u"-d"_s, u"abacolo_sink.monitor"_s,
                                     u"--raw"_s, u"--format=s16le"_s, u"--rate=44100"_s,
                                     u"--channels=2"_s, u"--latency-msec=5"_s});
    }
    ~Recorder()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    // Reads what has come; also for polls that run no event loop.
    void read()
    {
        const QByteArray data = m_process.readAllStandardOutput();
        if (data.isEmpty())
            return;
        const double now = double(m_clock.nsecsElapsed()) / 1e6;
        m_bytes.append(data);
        const qint64 frames = m_bytes.size() / FrameBytes;
        // Each delivery bounds the time of the first frame from above; the earliest bound is
        // the closest.
        m_startMs = std::min(m_startMs, now - double(frames) * 1000.0 / Rate);
    }
    bool recording() const { return frames() > Rate / 10; }
    qint64 frames() const { return m_bytes.size() / FrameBytes; }
    double timeOf(qint64 frame) const { return m_startMs + double(frame) * 1000.0 / Rate; }
    qint64 frameAt(double ms) const { return qint64((ms - m_startMs) * Rate / 1000.0); }

    int left(qint64 frame) const
    {
        return reinterpret_cast<const qint16 *>(m_bytes.constData())[frame * 2];
    }
    bool loud(qint64 frame) const
    {
        const auto *samples = reinterpret_cast<const qint16 *>(m_bytes.constData());
        return std::abs(int(samples[frame * 2])) > Loud || std::abs(int(samples[frame * 2 + 1])) > Loud;
    }
    // The first loud frame from `from` on, or -1.
    qint64 firstLoud(qint64 from) const
    {
        for (qint64 f = std::max<qint64>(from, 0); f < frames(); ++f) {
            if (loud(f))
                return f;
        }
        return -1;
    }
    // The last loud frame of the sound that starts at `onset`, once QuietAfterMs of silence
    // has followed it; -1 while it is still sounding.
    qint64 endOf(qint64 onset) const
    {
        const qint64 quiet = qint64(QuietAfterMs * Rate / 1000);
        qint64 last = onset;
        for (qint64 f = onset; f < frames(); ++f) {
            if (loud(f))
                last = f;
            else if (f - last > quiet)
                return last;
        }
        return -1;
    }

private:
    const QElapsedTimer &m_clock;
    QProcess m_process;
    QByteArray m_bytes;
    double m_startMs = 1e18;
};

} // namespace

class AudioEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void cuesSoundPromptlyAndANewCueCutsTheOldOneOff();

private:
    // Polls finely (the recording's timing depends on reading it promptly).
    bool poll(const std::function<bool()> &condition, int timeoutMs);
    // Whether the program has loaded its sound output module (and Qt Multimedia with it).
    bool soundOutputLoaded() const
    {
        QFile maps(u"/proc/%1/maps"_s.arg(m_session->program->pid()));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/abacolo_cueoutput.so");
    }
    int num4() const
    {
        return m_session->program->queryInt(u"sys.db"_s, u"SELECT num4 FROM sys"_s).value_or(-1);
    }

    QElapsedTimer m_clock;
    std::unique_ptr<SoundServer> m_sound;
    std::unique_ptr<Recorder> m_recorder;
    std::unique_ptr<Session> m_session;
};

void AudioEndToEnd::cleanup()
{
    if (QTest::currentTestFailed() && m_sound)
        qWarning("sound server:\n%s", qPrintable(m_sound->log()));
    endSession(m_session);
    m_recorder.reset();
    m_sound.reset();
}

bool AudioEndToEnd::poll(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        m_recorder->read();
        if (condition())
            return true;
        if (waited.elapsed() > timeoutMs)
            return false;
        QThread::usleep(1000);
    }
}

void AudioEndToEnd::cuesSoundPromptlyAndANewCueCutsTheOldOneOff()
{
    m_clock.start();
    m_sound = std::make_unique<SoundServer>();
    QVERIFY2(m_sound->ready(), qPrintable(u"the sound server did not start: "_s + m_sound->log()));
    m_recorder = std::make_unique<Recorder>(*m_sound, m_clock);
    QVERIFY2(poll([&] { return m_recorder->recording(); }, 15000), "nothing recorded");

    m_session = std::make_unique<Session>();
    QVERIFY2(m_session->server.running(), qPrintable(m_session->server.error()));
    QProcessEnvironment sound;
    sound.insert(u"PULSE_SERVER"_s, m_sound->server());
    const std::optional<WindowInfo> main = m_session->startProgram(sound);
    QVERIFY(main);
    Screen &screen = m_session->screen;

    // The sound output waits for a window that can sound: not loaded at start-up, readied once
    // the game is on the screen, before the first answer.
    QVERIFY2(!soundOutputLoaded(), "the sound output was loaded at start-up");
    int questions = num4();
    const QSet<unsigned long> before = screen.viewableIds();
    screen.click(main->geometry.topLeft() + layout::topicButton(2));
    const std::optional<WindowInfo> game = screen.waitForNewWindow(before);
    QVERIFY(game);
    QVERIFY(waitUntil([&] { return num4() == questions + 1; }, 15000, TablePollMs)); // the first question
    ++questions;
    QVERIFY2(poll([&] { return soundOutputLoaded(); }, 10000), "the sound output was not readied with the game");
    const QRect w = game->geometry;
    const int count = countPictures(screen, w);
    QVERIFY(count >= 5 && count <= 10);

    // 1. A right answer sounds.
    QVERIFY2(m_recorder->firstLoud(0) < 0, "sound before any answer");
    const double rightClick = double(m_clock.nsecsElapsed()) / 1e6;
    screen.click(numberButton(w, count));
    qint64 onset = -1;
    QVERIFY2(poll([&] { return (onset = m_recorder->firstLoud(m_recorder->frameAt(rightClick) - Rate / 10)) >= 0; }, 10000),
             "a right answer made no sound");
    const double rightDelay = m_recorder->timeOf(onset) - rightClick;
    qint64 end = -1;
    QVERIFY(poll([&] { return (end = m_recorder->endOf(onset)) >= 0; }, 15000));
    QVERIFY2((end - onset) * 1000 / Rate > 200, "the right-answer cue is cut short");
    QVERIFY(waitUntil([&] { return num4() == questions + 1; }, 20000, TablePollMs)); // the next question

    // 2. One wrong answer ("0" is always wrong): the whole cue, for its length.
    double wrongClick = double(m_clock.nsecsElapsed()) / 1e6;
    screen.click(numberButton(w, 0));
    QVERIFY(poll([&] { return (onset = m_recorder->firstLoud(m_recorder->frameAt(wrongClick))) >= 0; }, 10000));
    const double wrongDelay = m_recorder->timeOf(onset) - wrongClick;
    QVERIFY(poll([&] { return (end = m_recorder->endOf(onset)) >= 0; }, 15000));
    const qint64 single = end - onset;
    const qint64 singleOnset = onset;

    // 3. Two quick wrong answers: the second cue starts over the first, which stops.
    wrongClick = double(m_clock.nsecsElapsed()) / 1e6;
    screen.click(numberButton(w, 1));
    QVERIFY(poll([&] { return (onset = m_recorder->firstLoud(m_recorder->frameAt(wrongClick))) >= 0; }, 10000));
    // Well inside the first cue.
    poll([&] { return m_recorder->frames() > onset + single / 3; }, 5000);
    const double secondClick = double(m_clock.nsecsElapsed()) / 1e6;
    screen.click(numberButton(w, 2));
    QVERIFY(poll([&] { return (end = m_recorder->endOf(onset)) >= 0; }, 15000));
    const qint64 both = end - onset;
    const qint64 gap = qint64((secondClick - wrongClick) * Rate / 1000);
    qInfo("cue lengths: one %.0f ms, two quick ones %.0f ms (clicks %.0f ms apart)",
          single * 1000.0 / Rate, both * 1000.0 / Rate, gap * 1000.0 / Rate);
    // Queued behind each other they would last two cues; cut off, one cue after the gap.
    QVERIFY2(both < 2 * single - Rate / 10, "the second cue waited for the first");
    QVERIFY2(both <= single + gap + Rate / 5, "the cues lasted longer than the second alone");

    // Not mixed either: after the second cue's start the recording is that cue alone, sample
    // for sample as the single cue sounded.
    const qint64 window = std::min<qint64>(single, Rate / 4);
    double reference = 0;
    for (qint64 n = 0; n < window; ++n)
        reference += std::pow(double(m_recorder->left(singleOnset + n)), 2);
    double best = 1e300;
    for (qint64 start = onset + gap - Rate / 5; start <= onset + gap + Rate / 5; ++start) {
        if (start <= onset || start + window >= m_recorder->frames())
            continue;
        double residual = 0;
        for (qint64 n = 0; n < window && residual < best * reference; ++n)
            residual += std::pow(double(m_recorder->left(start + n) - m_recorder->left(singleOnset + n)), 2);
        best = std::min(best, residual / reference);
    }
    qInfo("second cue against the cue alone: residual energy %.4f", best);
    // Mixed with the rest of the first cue it would be near 1.
    QVERIFY2(best < 0.25, "the first cue went on under the second");

    qInfo("click to first sample played: right answer %.1f ms, wrong answer %.1f ms",
          rightDelay, wrongDelay);
    QVERIFY(rightDelay > -5 && wrongDelay > -5); // no sound before the click
}

QTEST_GUILESS_MAIN(AudioEndToEnd)
#include "test_e2e_audio.moc"
