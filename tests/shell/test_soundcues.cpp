// The cue service's clips: every clip of the catalogue decodes into the one output format,
// other formats are converted and broken files are refused (they stay silent).
#include "services/soundcues.h"

#include <QDirIterator>
#include <QFile>
#include <QtEndian>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

// A RIFF WAVE file around `samples` (interleaved 16-bit values).
QByteArray wave(int channels, int rate, const QList<qint16> &samples, int bits = 16)
{
    QByteArray data;
    for (const qint16 value : samples) {
        char bytes[2];
        qToLittleEndian(value, bytes);
        data.append(bytes, 2);
    }
    auto u32 = [](quint32 v) { char b[4]; qToLittleEndian(v, b); return QByteArray(b, 4); };
    auto u16 = [](quint16 v) { char b[2]; qToLittleEndian(v, b); return QByteArray(b, 2); };
    QByteArray format = u16(1) + u16(quint16(channels)) + u32(quint32(rate))
                        + u32(quint32(rate * channels * bits / 8)) + u16(quint16(channels * bits / 8))
                        + u16(quint16(bits));
    QByteArray body = "WAVE" + QByteArray("fmt ") + u32(quint32(format.size())) + format
                      + "LIST" + u32(3) + "abc" + '\0' // an odd chunk, padded
                      + "data" + u32(quint32(data.size())) + data;
    return "RIFF" + u32(quint32(body.size())) + body;
}

QList<qint16> samplesOf(const QByteArray &decoded)
{
    QList<qint16> values;
    for (qsizetype at = 0; at + 1 < decoded.size(); at += 2)
        values.append(qFromLittleEndian<qint16>(decoded.constData() + at));
    return values;
}

} // namespace

class SoundCuesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesIntoStereoAtTheOutputRate_data();
    void decodesIntoStereoAtTheOutputRate();
    void refusesWhatIsNotPlainSixteenBitPcm_data();
    void refusesWhatIsNotPlainSixteenBitPcm();
    void everyCatalogueClipDecodes();
};

void SoundCuesTest::decodesIntoStereoAtTheOutputRate_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<qint16>>("expected");

    QTest::newRow("stereo 44100 as it is")
        << wave(2, 44100, {1, -1, 300, -300, 32767, -32768})
        << QList<qint16>{1, -1, 300, -300, 32767, -32768};
    // Mono 22050: each sample on both channels, a midpoint between two samples.
    QTest::newRow("mono 22050 doubled")
        << wave(1, 22050, {0, 1000, -1000})
        << QList<qint16>{0, 0, 500, 500, 1000, 1000, 0, 0, -1000, -1000, -1000, -1000};
}

void SoundCuesTest::decodesIntoStereoAtTheOutputRate()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<qint16>, expected);
    QCOMPARE(samplesOf(SoundCues::decodeWave(file)), expected);
}

void SoundCuesTest::refusesWhatIsNotPlainSixteenBitPcm_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray good = wave(2, 44100, {1, 2, 3, 4});
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not RIFF") << QByteArray("RIFX") + good.mid(4);
    QTest::newRow("8 bit") << wave(1, 8000, {1, 2}, 8);
    QTest::newRow("three channels") << wave(3, 44100, {1, 2, 3});
    QTest::newRow("chunk past the end") << good.first(good.size() - 3);
    QTest::newRow("no samples") << wave(2, 44100, {});
}

void SoundCuesTest::refusesWhatIsNotPlainSixteenBitPcm()
{
    QFETCH(QByteArray, file);
    QVERIFY(SoundCues::decodeWave(file).isEmpty());
}

void SoundCuesTest::everyCatalogueClipDecodes()
{
    SoundCues cues;
    QCOMPARE(cues.names().size(), 208); // 13 cues and 195 requests of the activities
    QDirIterator it(u":/sounds"_s, QDir::Files);
    int clips = 0;
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray original = file.readAll();
        const QByteArray decoded = SoundCues::decodeWave(original);
        QVERIFY2(!decoded.isEmpty(), qPrintable(file.fileName()));
        // As long as the clip itself, to a frame: the catalogue's plain 44-byte header.
        const int channels = qFromLittleEndian<quint16>(original.constData() + 22);
        const int rate = int(qFromLittleEndian<quint32>(original.constData() + 24));
        const qint64 frames = qFromLittleEndian<quint32>(original.constData() + 40) / (2 * channels);
        QVERIFY2(std::abs(decoded.size() / 4 - frames * 44100 / rate) <= 1, qPrintable(file.fileName()));
        ++clips;
    }
    QCOMPARE(clips, 208);
}

QTEST_GUILESS_MAIN(SoundCuesTest)
#include "test_soundcues.moc"
