// Draws the pictures of the digit-lesson viewer and the games chooser:
//   speaker.png          60 × 60, the viewer's speaker button (on its black bar)
//   game1.png … game10.png  60 × 60, the ten game buttons
// Usage: draw_flash_pictures <output-folder>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

constexpr int Size = 60;
constexpr int Supersample = 4; // drawn large, then scaled down smoothly

QImage canvas()
{
    QImage image(Size * Supersample, Size * Supersample, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

bool save(const QImage &large, const QString &folder, const QString &name)
{
    const QImage small = large.scaled(Size, Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_ARGB32);
    const QString path = QDir(folder).filePath(name);
    if (!small.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A colour emoji, rendered large on its own and placed by its centre and height.
void drawEmoji(QPainter &p, const QString &text, QPointF centre, qreal height)
{
    QFont font(u"Noto Color Emoji"_s);
    font.setPixelSize(109);
    const QFontMetricsF metrics(font);
    const QRectF box = metrics.boundingRect(text);
    QImage glyph(qCeil(box.width()) + 8, qCeil(box.height()) + 8, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    {
        QPainter g(&glyph);
        g.setFont(font);
        g.drawText(QPointF(4 - box.left(), 4 - box.top()), text);
    }
    // Trim to the ink so that the height is the picture's own.
    QRect ink;
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            if (qAlpha(glyph.pixel(x, y)) > 8)
                ink |= QRect(x, y, 1, 1);
    if (ink.isEmpty()) {
        std::fprintf(stderr, "no picture for the emoji %s\n", qPrintable(text));
        std::exit(1);
    }
    const QImage trimmed = glyph.copy(ink);
    const qreal width = height * trimmed.width() / trimmed.height();
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height), trimmed);
    p.restore();
}

QImage speaker()
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Supersample, Supersample);

    // The speaker: a box and a cone, warm yellow with a dark outline.
    QPainterPath body;
    body.moveTo(8, 23);
    body.lineTo(17, 23);
    body.lineTo(29, 12);
    body.lineTo(29, 48);
    body.lineTo(17, 37);
    body.lineTo(8, 37);
    body.closeSubpath();
    QLinearGradient fill(0, 12, 0, 48);
    fill.setColorAt(0, QColor(0xff, 0xe0, 0x66));
    fill.setColorAt(1, QColor(0xff, 0xa7, 0x26));
    p.setPen(QPen(QColor(0x5d, 0x35, 0x00), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(body);

    // Three sound waves.
    const QColor waves[] = {QColor(0xff, 0xff, 0xff), QColor(0x81, 0xd4, 0xfa), QColor(0x4f, 0xc3, 0xf7)};
    for (int i = 0; i < 3; ++i) {
        const qreal r = 8 + i * 7;
        p.setPen(QPen(waves[i], 3.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(30 - r, 30 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    p.end();
    return image;
}

struct Game
{
    QColor top;
    QColor bottom;
    QString emoji;
};

QImage gameTile(const Game &game)
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Supersample, Supersample);

    const QRectF tile(2, 2, 56, 56);
    // A soft shadow, the tile, and a shine across its top.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(tile.translated(0, 1.5), 13, 13);
    QLinearGradient fill(0, tile.top(), 0, tile.bottom());
    fill.setColorAt(0, game.top);
    fill.setColorAt(1, game.bottom);
    p.setBrush(fill);
    p.setPen(QPen(Qt::white, 2.5));
    p.drawRoundedRect(tile, 13, 13);
    QPainterPath shine;
    shine.addRoundedRect(tile.adjusted(5, 4, -5, -30), 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawPath(shine);

    drawEmoji(p, game.emoji, QPointF(30, 31), 36);
    p.end();
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_flash_pictures <output-folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    bool ok = save(speaker(), folder, u"speaker.png"_s);
    // One picture a game: which side has more, what comes next, the same shape, counting,
    // the bigger number, the same colour, the odd one out, the missing number, the longest
    // pencil, the smallest.
    const Game games[] = {
        {QColor(0xff, 0x8a, 0x80), QColor(0xe5, 0x39, 0x35), u"🍎"_s},
        {QColor(0x82, 0xb1, 0xff), QColor(0x29, 0x62, 0xff), u"🚂"_s},
        {QColor(0xb9, 0xf6, 0xca), QColor(0x00, 0xc8, 0x53), u"🔷"_s},
        {QColor(0xff, 0xe5, 0x7f), QColor(0xff, 0xb3, 0x00), u"🐞"_s},
        {QColor(0xb3, 0xe5, 0xfc), QColor(0x03, 0x9b, 0xe5), u"🐘"_s},
        {QColor(0xf8, 0xbb, 0xd0), QColor(0xec, 0x40, 0x7a), u"🎈"_s},
        {QColor(0xd1, 0xc4, 0xe9), QColor(0x7e, 0x57, 0xc2), u"🔍"_s},
        {QColor(0xff, 0xcc, 0x80), QColor(0xfb, 0x8c, 0x00), u"🧩"_s},
        {QColor(0x9f, 0xa8, 0xda), QColor(0x3f, 0x51, 0xb5), u"📏"_s},
        {QColor(0xc5, 0xe1, 0xa5), QColor(0x7c, 0xb3, 0x42), u"🐜"_s},
    };
    for (int i = 0; i < 10; ++i)
        ok = save(gameTile(games[i]), folder, u"game%1.png"_s.arg(i + 1)) && ok;
    return ok ? 0 : 1;
}
