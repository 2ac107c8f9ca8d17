// Every clip and picture the program carries, by its catalogue name, size and format.
#include "activities/countedthings.h"
#include "services/pictures.h"
#include "tables/apperror.h"
#include "tests/support/testworld.h"
#include "toolkit/picturebox.h"
#include "toolkit/picturefile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QImageReader>
#include <QResource>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

struct PictureEntry
{
    QStringList names;
    QSize size;
    int depth; // bits per pixel in the file
};

QStringList numbered(const QString &prefix, int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names.append(prefix + QString::number(i));
    return names;
}

QList<PictureEntry> catalogue()
{
    QList<PictureEntry> entries;
    entries.append({numbered(u"picgame"_s, 1, 38) + QStringList{u"aqua1"_s, u"aqua2"_s}, {50, 50}, 24});
    entries.append({numbered(u"flag"_s, 1, 6) + numbered(u"flag"_s, 8, 12), {120, 70}, 8});
    entries.append({{u"flag7"_s}, {120, 65}, 8});
    const QList<QPair<QString, int>> animals{{u"t"_s, 68}, {u"k"_s, 131}, {u"x"_s, 72},
                                             {u"f"_s, 65}, {u"ff"_s, 142}, {u"h"_s, 66}};
    for (const auto &[kind, height] : animals)
        entries.append({numbered(kind, 1, 2), {150, height}, 24});
    entries.append({numbered(u"sp"_s, 1, 5), {128, 128}, 24});
    entries.append({numbered(u"hm"_s, 1, 5), {80, 130}, 24});
    entries.append({numbered(u"ld"_s, 1, 5), {128, 127}, 24});
    entries.append({numbered(u"cannon"_s, 1, 5), {88, 124}, 24});
    entries.append({numbered(u"Xmas"_s, 1, 5), {128, 128}, 24});
    return entries;
}

// The activities' spoken requests.
QStringList activityRequests()
{
    QStringList names;
    for (const QString &shape : {u"circle"_s, u"square"_s, u"triangle"_s, u"rectangle"_s, u"oval"_s,
                                 u"star"_s, u"diamond"_s, u"pentagon"_s, u"hexagon"_s})
        names.append(u"find_"_s + shape);
    names += {u"which_more"_s, u"choose_sign"_s, u"what_time"_s, u"find_pairs"_s,
              u"move_half"_s, u"find_half_cut"_s, u"make_balance"_s};
    for (int hour = 1; hour <= 12; ++hour) {
        names.append(u"set_%1_00"_s.arg(hour));
        names.append(u"set_%1_30"_s.arg(hour));
    }
    return names;
}

// Channels, sample rate and bits per sample of a RIFF WAVE file's "fmt " chunk.
struct WaveFormat
{
    int format = 0, channels = 0, rate = 0, bits = 0;
    bool valid = false;
};

WaveFormat readWave(const QByteArray &data)
{
    WaveFormat wave;
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return wave;
    qsizetype at = 12;
    while (at + 8 <= data.size()) {
        const QByteArray id = data.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(data.constData() + at + 4);
        if (id == "fmt " && at + 8 + 16 <= data.size()) {
            const char *fmt = data.constData() + at + 8;
            wave.format = qFromLittleEndian<quint16>(fmt);
            wave.channels = qFromLittleEndian<quint16>(fmt + 2);
            wave.rate = static_cast<int>(qFromLittleEndian<quint32>(fmt + 4));
            wave.bits = qFromLittleEndian<quint16>(fmt + 14);
            wave.valid = true;
            return wave;
        }
        at += 8 + size + (size & 1);
    }
    return wave;
}

} // namespace

class ResourcesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPictureHasItsSizeAndColours();
    void activityPicturesStandOnTransparentSquares();
    void pictureNamesMatchWithoutRegardToCase();
    void unknownPictureRaisesAndKeepsTheImage();
    void pictureFileIsDecodedWhenNeededAndGivesWayToALaterPicture();
    void aResourcePictureIsSharedAndAFileIsReadAgain();
    void startUpPicturesAreShownWhereTheyLie_data();
    void startUpPicturesAreShownWhereTheyLie();
    void everyClipIsPcmInItsFormat_data();
    void everyClipIsPcmInItsFormat();
};

void ResourcesTest::everyPictureHasItsSizeAndColours()
{
    Pictures pictures;
    int count = 0;
    for (const PictureEntry &entry : catalogue()) {
        for (const QString &name : entry.names) {
            ++count;
            const QPixmap pixmap = pictures.picture(name);
            QVERIFY2(pixmap.size() == entry.size, qPrintable(name));
            QImageReader reader(u":/pictures/"_s + name + u".bmp"_s);
            QVERIFY2(reader.canRead(), qPrintable(name));
            QCOMPARE(reader.format(), QByteArray("bmp"));
            const QImage image = reader.read();
            const int depth = image.format() == QImage::Format_Indexed8 ? 8 : 24;
            QVERIFY2(depth == entry.depth, qPrintable(name));
        }
    }
    QCOMPARE(count, 89);
    QCOMPARE(pictures.names().size(), 89 + int(countedThings().size()));
}

void ResourcesTest::activityPicturesStandOnTransparentSquares()
{
    Pictures pictures;
    for (const QString &name : countedThings()) {
        const QImage image = pictures.picture(name).toImage();
        QVERIFY2(image.size() == QSize(128, 128), qPrintable(name));
        QVERIFY2(image.hasAlphaChannel(), qPrintable(name));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        // The emoji fills its square: ink in the middle, in colour.
        const QColor middle = image.pixelColor(64, 64);
        QVERIFY2(middle.alpha() > 200, qPrintable(name));
    }
}

void ResourcesTest::pictureNamesMatchWithoutRegardToCase()
{
    Pictures pictures;
    QCOMPARE(pictures.picture(u"Xmas1"_s).size(), QSize(128, 128));
    QCOMPARE(pictures.picture(u"XMAS1"_s).size(), QSize(128, 128));
    QCOMPARE(pictures.picture(u"PICGAME25"_s).size(), QSize(50, 50));
}

void ResourcesTest::unknownPictureRaisesAndKeepsTheImage()
{
    Pictures pictures;
    PictureBox box(u"Image1"_s, nullptr);
    pictures.LoadPictureResource(box, u"t1"_s);
    const qint64 before = box.picture().cacheKey();
    try {
        pictures.LoadPictureResource(box, u"t7"_s);
        QFAIL("an unknown picture name must raise");
    } catch (const AppError &e) {
        QVERIFY(e.message().contains(u"t7"_s));
    }
    QCOMPARE(box.picture().cacheKey(), before);
}

void ResourcesTest::pictureFileIsDecodedWhenNeededAndGivesWayToALaterPicture()
{
    const QImage file(u":/layout/splash.bmp"_s);
    PictureBox drawn(u"Image1"_s, nullptr, false);
    drawn.resize(file.size());
    drawn.setPictureFile(u":/layout/splash.bmp"_s);
    // Drawn from the file, the first time it is painted.
    const QImage shown = drawn.grab().toImage().convertToFormat(file.format());
    QCOMPARE(shown.pixel(10, 10), file.pixel(10, 10));
    QCOMPARE(drawn.picture().size(), file.size());

    // A picture set after a file is not covered by the file decoded later.
    PictureBox replaced(u"Image2"_s, nullptr);
    replaced.setPictureFile(u":/layout/splash.bmp"_s);
    QPixmap red(4, 4);
    red.fill(Qt::red);
    replaced.setPicture(red);
    QCOMPARE(replaced.picture().cacheKey(), red.cacheKey());
}

void ResourcesTest::aResourcePictureIsSharedAndAFileIsReadAgain()
{
    // The counting pictures show one resource dozens of times: one picture in memory.
    const QPixmap first = readPicture(u":/layout/start.bmp"_s);
    QVERIFY(!first.isNull());
    QCOMPARE(readPicture(u":/layout/start.bmp"_s).cacheKey(), first.cacheKey());

    // A file may change between two reads; it is read by the format its suffix names.
    QTemporaryDir dir;
    const QString file = dir.filePath(u"colour.bmp"_s);
    QImage colour(8, 8, QImage::Format_RGB32);
    colour.fill(Qt::red);
    QVERIFY(colour.save(file, "BMP"));
    QCOMPARE(readPicture(file).toImage().pixel(1, 1), QColor(Qt::red).rgb());
    colour.fill(Qt::blue);
    QVERIFY(colour.save(file, "BMP"));
    QCOMPARE(readPicture(file).toImage().pixel(1, 1), QColor(Qt::blue).rgb());
    QVERIFY(colour.save(file, "PNG")); // a PNG named .bmp
    QVERIFY(readPicture(file).isNull());
    QVERIFY(readPicture(dir.filePath(u"missing.bmp"_s)).isNull());
}

void ResourcesTest::startUpPicturesAreShownWhereTheyLie_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("background") << u":/layout/background.bmp"_s << QSize(1019, 646) << true;
    QTest::newRow("header") << u":/layout/header.bmp"_s << QSize(1018, 97) << true;
    QTest::newRow("splash") << u":/layout/splash.bmp"_s << QSize(400, 200) << true;
    // 24-bit, stored bottom-up: decoded as before.
    QTest::newRow("strip") << u":/layout/strip.bmp"_s << QSize(11, 633) << false;
    QTest::newRow("topic picture") << u":/pictures/picgame1.bmp"_s << QSize(50, 50) << false;
}

void ResourcesTest::startUpPicturesAreShownWhereTheyLie()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, inPlace);
    const QImage lying = screenReadyPicture(path);
    QCOMPARE(!lying.isNull(), inPlace);
    const QImage shown = readPicture(path).toImage();
    QCOMPARE(shown.size(), size);
    // What Qt's own reader makes of the file, pixel for pixel.
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), reader.read().convertToFormat(QImage::Format_RGB32));
    if (inPlace) {
        // Neither decoded nor copied: the shown picture's pixels are the resource's bytes.
        const QResource resource(path);
        QCOMPARE(shown.constBits(), resource.data() + qFromLittleEndian<quint32>(resource.data() + 10));
    }
}

void ResourcesTest::everyClipIsPcmInItsFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    for (const QString &name : {u"vright"_s, u"vwrong"_s, u"cat"_s})
        QTest::newRow(qPrintable(name)) << name << 2 << 44100;
    for (int digit = 0; digit <= 9; ++digit) {
        const QString name = u"numvoice"_s + QString::number(digit);
        QTest::newRow(qPrintable(name)) << name << 1 << 22050;
    }
    for (const QString &name : activityRequests())
        QTest::newRow(qPrintable(name)) << name << 1 << 22050;
}

void ResourcesTest::everyClipIsPcmInItsFormat()
{
    QFETCH(QString, name);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFile file(u":/sounds/"_s + name + u".wav"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const WaveFormat wave = readWave(file.readAll());
    QVERIFY(wave.valid);
    QCOMPARE(wave.format, 1); // uncompressed PCM
    QCOMPARE(wave.bits, 16);
    QCOMPARE(wave.channels, channels);
    QCOMPARE(wave.rate, rate);
}

QTEST_MAIN(ResourcesTest)
#include "test_resources.moc"
