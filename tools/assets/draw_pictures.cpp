// Draws every picture that Abacolo carries: the twenty topic buttons (two
// states each), the reward flags, the counted animals, the ordering sets,
// the window layout pictures and the activities' fruit and animals.
//
// Usage: draw_pictures <assets-dir>
//   writes <assets-dir>/pictures/*.bmp, <assets-dir>/layout/*.bmp and
//   <assets-dir>/activities/*.png
//
// Everything is drawn at four times the final size and scaled down smoothly.
// Emoji come from the "Noto Color Emoji" font; they are rendered once into an
// image and then placed as images, so that rotating or squeezing them never
// depends on how the font engine transforms colour glyphs. Chinese and Latin
// text use "Noto Sans CJK SC". Run with QT_QPA_PLATFORM=offscreen.

#include <QByteArray>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <vector>

namespace {

constexpr int kScale = 4;  // supersampling factor
const QString kEmojiFamily = QStringLiteral("Noto Color Emoji");
const QString kSansFamily = QStringLiteral("Noto Sans CJK SC");

QString gOutDir;
int gWritten = 0;

// ---------------------------------------------------------------- canvas ---

// A supersampled drawing surface addressed in final-size (logical) pixels.
struct Canvas {
    QImage image;
    QPainter painter;
    int w, h;

    Canvas(int width, int height, const QColor &background)
        : image(width * kScale, height * kScale, QImage::Format_ARGB32_Premultiplied),
          w(width), h(height) {
        image.fill(background);
        painter.begin(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                               QPainter::TextAntialiasing);
        painter.scale(kScale, kScale);
    }

    QImage finish() {
        painter.end();
        return image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB888);
    }
};

void fail(const QString &what) {
    std::fprintf(stderr, "draw_pictures: %s\n", qPrintable(what));
    std::exit(1);
}

void save24(const QImage &img, const QString &relPath) {
    const QString path = gOutDir + QLatin1Char('/') + relPath;
    const QImage rgb = img.convertToFormat(QImage::Format_RGB888);
    if (!rgb.save(path, "BMP")) fail(QStringLiteral("cannot write ") + path);
    ++gWritten;
}

// The layout pictures the main window and the splash show at start-up: 32-bit BMPs stored
// top-down with every pixel as blue, green, red, 255, which is how the screen's 32-bit images
// lay out their rows. The program shows them from its own pages without decoding them. Two
// bytes after the headers put the pixels at offset 56, a multiple of four.
void save32TopDown(const QImage &img, const QString &relPath) {
    const QString path = gOutDir + QLatin1Char('/') + relPath;
    const QImage rgb = img.convertToFormat(QImage::Format_RGB32);
    constexpr quint32 kPixelOffset = 56;
    const quint32 pixelBytes = quint32(rgb.width()) * quint32(rgb.height()) * 4;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(kPixelOffset + pixelBytes) << quint16(0) << quint16(0) << kPixelOffset;
    out << quint32(40) << qint32(rgb.width()) << qint32(-rgb.height()) << quint16(1)
        << quint16(32) << quint32(0) << pixelBytes << qint32(3780) << qint32(3780)
        << quint32(0) << quint32(0) << quint16(0);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            out << quint32(line[x] | 0xff000000u);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write ") + path);
    ++gWritten;
}

// Median-cut palette of at most 256 colours, then nearest-colour mapping.
// Ordered containers keep the result identical from run to run.
QImage toIndexed8(const QImage &src) {
    const QImage rgb = src.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> hist;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) ++hist[line[x] | 0xff000000u];
    }
    struct Entry { int c[3]; int n; };
    std::vector<Entry> all;
    for (const auto &[rgbValue, n] : hist)
        all.push_back({{qRed(rgbValue), qGreen(rgbValue), qBlue(rgbValue)}, n});

    QList<QRgb> palette;
    if (all.size() <= 256) {
        for (const auto &e : all) palette.append(qRgb(e.c[0], e.c[1], e.c[2]));
    } else {
        std::vector<std::vector<Entry>> boxes{all};
        auto score = [](const std::vector<Entry> &b, int *axis) {
            int best = -1;
            long long bestRange = -1;
            long long count = 0;
            for (const auto &e : b) count += e.n;
            for (int a = 0; a < 3; ++a) {
                int lo = 255, hi = 0;
                for (const auto &e : b) { lo = std::min(lo, e.c[a]); hi = std::max(hi, e.c[a]); }
                if (hi - lo > bestRange) { bestRange = hi - lo; best = a; }
            }
            *axis = best;
            if (b.size() < 2) return -1.0;
            return double(bestRange) * std::sqrt(double(count));
        };
        while (boxes.size() < 256) {
            int bestBox = -1, bestAxis = 0;
            double bestScore = 0;
            for (size_t i = 0; i < boxes.size(); ++i) {
                int axis;
                const double s = score(boxes[i], &axis);
                if (s > bestScore) { bestScore = s; bestBox = int(i); bestAxis = axis; }
            }
            if (bestBox < 0) break;
            auto box = std::move(boxes[bestBox]);
            std::stable_sort(box.begin(), box.end(), [bestAxis](const Entry &a, const Entry &b) {
                return a.c[bestAxis] < b.c[bestAxis];
            });
            long long total = 0, run = 0;
            for (const auto &e : box) total += e.n;
            size_t cut = 1;
            for (size_t i = 0; i + 1 < box.size(); ++i) {
                run += box[i].n;
                cut = i + 1;
                if (run * 2 >= total) break;
            }
            boxes[bestBox] = std::vector<Entry>(box.begin(), box.begin() + long(cut));
            boxes.emplace_back(box.begin() + long(cut), box.end());
        }
        for (const auto &b : boxes) {
            double s[3] = {0, 0, 0};
            long long n = 0;
            for (const auto &e : b) {
                for (int a = 0; a < 3; ++a) s[a] += double(e.c[a]) * e.n;
                n += e.n;
            }
            palette.append(qRgb(int(std::lround(s[0] / n)), int(std::lround(s[1] / n)),
                                int(std::lround(s[2] / n))));
        }
    }

    std::map<QRgb, int> nearest;
    for (const auto &[rgbValue, n] : hist) {
        (void)n;
        int best = 0;
        long long bestD = -1;
        for (int i = 0; i < palette.size(); ++i) {
            const long long dr = qRed(rgbValue) - qRed(palette[i]);
            const long long dg = qGreen(rgbValue) - qGreen(palette[i]);
            const long long db = qBlue(rgbValue) - qBlue(palette[i]);
            const long long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (bestD < 0 || d < bestD) { bestD = d; best = i; }
        }
        nearest[rgbValue] = best;
    }
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *dst = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) dst[x] = uchar(nearest[line[x] | 0xff000000u]);
    }
    return out;
}

void save8(const QImage &img, const QString &relPath) {
    const QString path = gOutDir + QLatin1Char('/') + relPath;
    if (!toIndexed8(img).save(path, "BMP")) fail(QStringLiteral("cannot write ") + path);
    ++gWritten;
}

// ------------------------------------------------------------- helpers ----

QColor mix(const QColor &a, const QColor &b, double t) {
    return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t),
                            float(a.greenF() * (1 - t) + b.greenF() * t),
                            float(a.blueF() * (1 - t) + b.blueF() * t),
                            float(a.alphaF() * (1 - t) + b.alphaF() * t));
}

QColor alpha(QColor c, double a) {
    c.setAlphaF(float(a));
    return c;
}

// An emoji rendered once at the font's native bitmap size, cropped to its ink.
const QImage &emojiImage(const QString &text) {
    static QHash<QString, QImage> cache;
    auto it = cache.find(text);
    if (it != cache.end()) return *it;
    QImage img(256, 256, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        QFont f(kEmojiFamily);
        f.setPixelSize(109);
        p.setFont(f);
        p.drawText(QRect(0, 0, 256, 256), Qt::AlignCenter, text);
    }
    int x0 = 256, y0 = 256, x1 = -1, y1 = -1;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            if (qAlpha(img.pixel(x, y)) > 6) {
                x0 = std::min(x0, x); y0 = std::min(y0, y);
                x1 = std::max(x1, x); y1 = std::max(y1, y);
            }
    if (x1 < 0) fail(QStringLiteral("emoji renders empty: ") + text);
    // A grey-only result would mean the colour font was not used.
    bool coloured = false;
    for (int y = y0; y <= y1 && !coloured; ++y)
        for (int x = x0; x <= x1 && !coloured; ++x) {
            const QColor c = QColor::fromRgba(img.pixel(x, y));
            if (c.alpha() > 128 && c.hsvSaturation() > 60) coloured = true;
        }
    if (!coloured && text != QStringLiteral("⚖️") && text != QStringLiteral("🐘"))
        std::fprintf(stderr, "draw_pictures: warning: emoji without colour: %s\n",
                     qPrintable(text));
    return *cache.insert(text, img.copy(x0, y0, x1 - x0 + 1, y1 - y0 + 1));
}

// Draws an emoji so that its ink is `height` tall (times sy) and centred on
// `centre`; sx/sy squeeze it, `angle` turns it (degrees, clockwise).
void emoji(QPainter &p, const QString &text, QPointF centre, double height, double angle = 0,
           double sx = 1, double sy = 1) {
    const QImage &img = emojiImage(text);
    const double h = height;
    const double w = height * img.width() / img.height();
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.scale(sx, sy);
    p.drawImage(QRectF(-w / 2, -h / 2, w, h), img);
    p.restore();
}

double emojiAspect(const QString &text) {
    const QImage &img = emojiImage(text);
    return double(img.width()) / img.height();
}

QFont sansFont(double pixelSize, bool bold = true) {
    QFont f(kSansFamily);
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setBold(bold);
    return f;
}

// Text as an outlined path, centred on `centre` (by its ink box).
void outlinedText(QPainter &p, const QString &text, const QFont &font, QPointF centre,
                  const QColor &fill, const QColor &outline, double outlineWidth,
                  double shadow = 0) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre - box.center());
    p.save();
    if (shadow > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawPath(path.translated(shadow, shadow));
    }
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

QPainterPath starPath(QPointF c, double outer, double inner, int points = 5, double rot = -90) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = (rot + i * 180.0 / points) * M_PI / 180.0;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0) path.moveTo(pt); else path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void star(QPainter &p, QPointF c, double r, const QColor &fill, const QColor &edge,
          double edgeWidth) {
    p.save();
    p.setPen(edgeWidth > 0 ? QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                           : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(starPath(c, r, r * 0.48));
    p.restore();
}

// A four-pointed twinkle.
void sparkle(QPainter &p, QPointF c, double r, const QColor &color) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(starPath(c, r, r * 0.28, 4, -90));
    p.restore();
}

void disc(QPainter &p, QPointF c, double r, const QColor &fill, const QColor &edge = QColor(),
          double edgeWidth = 0) {
    p.save();
    p.setPen(edge.isValid() && edgeWidth > 0 ? QPen(edge, edgeWidth) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawEllipse(c, r, r);
    p.restore();
}

void cloud(QPainter &p, QPointF c, double s, const QColor &color) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    QPainterPath path;
    path.addEllipse(c + QPointF(-1.0 * s, 0.2 * s), 0.75 * s, 0.55 * s);
    path.addEllipse(c + QPointF(0.0, -0.2 * s), 0.9 * s, 0.75 * s);
    path.addEllipse(c + QPointF(1.0 * s, 0.2 * s), 0.75 * s, 0.55 * s);
    path.addRoundedRect(QRectF(c.x() - 1.6 * s, c.y(), 3.2 * s, 0.75 * s), 0.35 * s, 0.35 * s);
    path.setFillRule(Qt::WindingFill);
    p.drawPath(path.simplified());
    p.restore();
}

// Sunburst rays from a centre, alternating two colours.
void rays(QPainter &p, const QRectF &area, QPointF c, int count, const QColor &a,
          const QColor &b, double turn = 0) {
    p.save();
    p.setClipRect(area);
    p.fillRect(area, a);
    p.setPen(Qt::NoPen);
    p.setBrush(b);
    const double r = std::hypot(area.width(), area.height()) * 1.2;
    for (int i = 0; i < count; ++i) {
        const double a0 = (turn + i * 360.0 / count) * M_PI / 180;
        const double a1 = (turn + (i + 0.5) * 360.0 / count) * M_PI / 180;
        QPainterPath w;
        w.moveTo(c);
        w.lineTo(c + QPointF(r * std::cos(a0), r * std::sin(a0)));
        w.lineTo(c + QPointF(r * std::cos(a1), r * std::sin(a1)));
        w.closeSubpath();
        p.drawPath(w);
    }
    p.restore();
}

void verticalGradient(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// A smiling sun: disc, rays, eyes, cheeks and a smile.
void smilingSun(QPainter &p, QPointF c, double r, int rayCount = 12) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xB3, 0x00));
    for (int i = 0; i < rayCount; ++i) {
        const double a = (i * 360.0 / rayCount) * M_PI / 180;
        const double a0 = a - 0.16, a1 = a + 0.16;
        QPainterPath t;
        t.moveTo(c + QPointF(r * 1.08 * std::cos(a0), r * 1.08 * std::sin(a0)));
        t.lineTo(c + QPointF(r * 1.55 * std::cos(a), r * 1.55 * std::sin(a)));
        t.lineTo(c + QPointF(r * 1.08 * std::cos(a1), r * 1.08 * std::sin(a1)));
        t.closeSubpath();
        p.drawPath(t);
    }
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.3);
    g.setColorAt(0, QColor(0xFF, 0xF3, 0x80));
    g.setColorAt(1, QColor(0xFF, 0xC8, 0x00));
    p.setBrush(g);
    p.setPen(QPen(QColor(0xF5, 0x9E, 0x0B), r * 0.06));
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4A, 0x2C, 0x0A));
    p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.18), r * 0.11, r * 0.16);
    p.drawEllipse(c + QPointF(r * 0.35, -r * 0.18), r * 0.11, r * 0.16);
    p.setBrush(QColor(0xFF, 0x6B, 0x6B, 150));
    p.drawEllipse(c + QPointF(-r * 0.58, r * 0.18), r * 0.16, r * 0.1);
    p.drawEllipse(c + QPointF(r * 0.58, r * 0.18), r * 0.16, r * 0.1);
    p.setPen(QPen(QColor(0x4A, 0x2C, 0x0A), r * 0.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.42, c.y() - r * 0.2, r * 0.84, r * 0.7), 200 * 16, 140 * 16);
    p.restore();
}

// --------------------------------------------------------- topic tiles ----

using Draw = std::function<void(QPainter &)>;

struct Topic {
    const char *over;
    const char *away;
    QColor base;
    Draw content;  // draws into a 50 x 50 logical box centred on (25, 25)
};

const QColor kTileMargin(0xFA, 0xFB, 0xFD);  // matches the pale panel behind the buttons

QImage topicTile(const Topic &t, bool over) {
    Canvas cv(50, 50, kTileMargin);
    QPainter &p = cv.painter;
    const QRectF tile(2, 2, 46, 46);
    const double radius = 11;
    QColor base = over ? t.base.lighter(112) : mix(t.base, QColor(0x80, 0x80, 0x80), 0.28);

    if (over) {  // warm glow ring around the tile
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0xE6, 0x6E));
        p.drawRoundedRect(tile.adjusted(-2, -2, 2, 2), radius + 2, radius + 2);
        p.setBrush(QColor(0xFF, 0xC1, 0x07));
        p.drawRoundedRect(tile.adjusted(-1, -1, 1, 1), radius + 1, radius + 1);
    } else {  // soft shadow
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(tile.translated(0.6, 1.0), radius, radius);
    }
    QLinearGradient g(tile.topLeft(), tile.bottomLeft());
    g.setColorAt(0, base.lighter(over ? 135 : 118));
    g.setColorAt(1, base);
    p.setBrush(g);
    p.setPen(over ? QPen(QColor(255, 255, 255), 1.8) : QPen(base.darker(135), 1.0));
    p.drawRoundedRect(tile, radius, radius);

    // gloss on the upper half
    QLinearGradient gloss(QPointF(0, 3), QPointF(0, 24));
    gloss.setColorAt(0, QColor(255, 255, 255, over ? 150 : 100));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(5, 3.5, 40, 20), 9, 9);

    // the picture itself: a little bigger and lifted when lit up
    p.save();
    p.setClipRect(tile.adjusted(0.5, 0.5, -0.5, -0.5));
    p.translate(25, over ? 24.2 : 25.5);
    const double s = over ? 1.08 : 0.97;
    p.scale(s, s);
    p.translate(-25, -25);
    t.content(p);
    p.restore();

    if (over) {
        sparkle(p, QPointF(8.5, 8.5), 4.2, QColor(255, 255, 255, 235));
        sparkle(p, QPointF(42.5, 41.5), 3.0, QColor(255, 250, 200, 235));
    }
    return cv.finish();
}

// Content drawings of the twenty topics.

void drawNumbers(QPainter &p) {
    const QColor fills[] = {QColor(0xFF, 0x3B, 0x3B), QColor(0xFF, 0xD4, 0x00),
                            QColor(0x2E, 0xCC, 0x71)};
    const char *digits[] = {"1", "2", "3"};
    const QPointF at[] = {QPointF(13.5, 21.5), QPointF(25, 29.5), QPointF(36.5, 21.5)};
    for (int i = 0; i < 3; ++i)
        outlinedText(p, QString::fromLatin1(digits[i]), sansFont(21), at[i], fills[i],
                     QColor(255, 255, 255), 3.2, 0.8);
}

void drawAnimals(QPainter &p) {
    emoji(p, QStringLiteral("🐰"), QPointF(25, 15.5), 17);
    emoji(p, QStringLiteral("🐶"), QPointF(15, 33), 17);
    emoji(p, QStringLiteral("🐱"), QPointF(35, 33), 17);
}

void plusSign(QPainter &p, QPointF c, double r, const QColor &color) {
    p.save();
    p.setPen(QPen(QColor(255, 255, 255), r * 0.85, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
    p.drawLine(c - QPointF(0, r), c + QPointF(0, r));
    p.setPen(QPen(color, r * 0.45, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
    p.drawLine(c - QPointF(0, r), c + QPointF(0, r));
    p.restore();
}

void drawAdding(QPainter &p) {
    emoji(p, QStringLiteral("🍎"), QPointF(11.5, 26), 17);
    emoji(p, QStringLiteral("🍎"), QPointF(38.5, 26), 17);
    plusSign(p, QPointF(25, 26), 5, QColor(0x1E, 0x56, 0xC8));
}

void drawSheetGames(QPainter &p) {
    emoji(p, QStringLiteral("📝"), QPointF(21, 21), 26);
    emoji(p, QStringLiteral("🎮"), QPointF(35, 36), 13);
}

void drawShapes(QPainter &p) {
    const QPen edge(QColor(255, 255, 255), 1.6);
    p.setPen(edge);
    p.setBrush(QColor(0xFF, 0x45, 0x45));
    p.drawEllipse(QPointF(16, 17), 8.5, 8.5);
    p.setBrush(QColor(0x3B, 0x7D, 0xF6));
    p.drawRoundedRect(QRectF(27, 9.5, 15, 15), 1.5, 1.5);
    p.setBrush(QColor(0xFF, 0xD2, 0x1F));
    QPainterPath tri;
    tri.moveTo(25, 26.5);
    tri.lineTo(35.5, 42);
    tri.lineTo(14.5, 42);
    tri.closeSubpath();
    p.drawPath(tri);
}

void drawColours(QPainter &p) { emoji(p, QStringLiteral("🎨"), QPointF(25, 25), 31); }

void drawNumberLine(QPainter &p) {
    const QColor white(255, 255, 255);
    p.setPen(QPen(white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 33), QPointF(44, 33));
    QPainterPath arrow;
    arrow.moveTo(46, 33);
    arrow.lineTo(41.5, 30);
    arrow.lineTo(41.5, 36);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(arrow);
    const double xs[] = {9, 19, 29, 39};
    p.setPen(QPen(white, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (double x : xs) p.drawLine(QPointF(x, 30), QPointF(x, 36));
    const char *labels[] = {"0", "1", "2", "3"};
    for (int i = 0; i < 4; ++i)
        outlinedText(p, QString::fromLatin1(labels[i]), sansFont(8.5), QPointF(xs[i], 41.5),
                     QColor(255, 255, 255), QColor(0, 0, 0, 0), 0);
    // a hop from 1 to 3 with a frog on top
    p.setPen(QPen(QColor(0xFF, 0xD6, 0x3A), 1.8, Qt::DashLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(19, 16, 20, 28), 0, 180 * 16);
    emoji(p, QStringLiteral("🐸"), QPointF(29, 14), 13);
}

void drawOrdering(QPainter &p) {
    struct Block { QRectF r; QColor c; const char *d; };
    const Block blocks[] = {
        {QRectF(6, 27, 13, 15), QColor(0xDD, 0xE6, 0xEF), "2"},
        {QRectF(18.5, 19, 13, 23), QColor(0xFF, 0xD2, 0x33), "1"},
        {QRectF(31, 31, 13, 11), QColor(0xE8, 0x9A, 0x52), "3"},
    };
    for (const auto &b : blocks) {
        p.setPen(QPen(QColor(255, 255, 255), 1.2));
        p.setBrush(b.c);
        p.drawRoundedRect(b.r, 1.5, 1.5);
        outlinedText(p, QString::fromLatin1(b.d), sansFont(10), b.r.center(),
                     QColor(0x5A, 0x2D, 0x0C), QColor(), 0);
    }
    star(p, QPointF(25, 11.5), 6, QColor(0xFF, 0xE0, 0x33), QColor(255, 255, 255), 1.0);
}

void drawPie(QPainter &p) {
    const QRectF r(9, 9, 32, 32);
    const QColor colors[] = {QColor(0xFF, 0x4D, 0x4D), QColor(0xFF, 0xD2, 0x1F),
                             QColor(0x2E, 0xCC, 0x71), QColor(0x3B, 0x7D, 0xF6)};
    const int spans[] = {130, 90, 80, 60};
    int start = 90;
    p.setPen(QPen(QColor(255, 255, 255), 1.4));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colors[i]);
        p.drawPie(r, start * 16, spans[i] * 16);
        start += spans[i];
    }
}

void drawFindErrors(QPainter &p) {
    emoji(p, QStringLiteral("🔍"), QPointF(22, 26), 28);
    // a red cross badge
    disc(p, QPointF(37, 13), 7, QColor(0xE5, 0x39, 0x35), QColor(255, 255, 255), 1.4);
    p.setPen(QPen(QColor(255, 255, 255), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(34, 10), QPointF(40, 16));
    p.drawLine(QPointF(40, 10), QPointF(34, 16));
}

void drawMultiples(QPainter &p) {
    emoji(p, QStringLiteral("🍒"), QPointF(12, 17), 14);
    emoji(p, QStringLiteral("🍒"), QPointF(25, 17), 14);
    emoji(p, QStringLiteral("🍒"), QPointF(38, 17), 14);
    const char *nums[] = {"2", "4", "6"};
    for (int i = 0; i < 3; ++i)
        outlinedText(p, QString::fromLatin1(nums[i]), sansFont(12), QPointF(12 + 13 * i, 35.5),
                     QColor(255, 255, 255), QColor(0x0B, 0x4F, 0x47), 2.4);
}

void drawCompare(QPainter &p) { emoji(p, QStringLiteral("⚖️"), QPointF(25, 25), 30); }

void drawTime(QPainter &p) { emoji(p, QStringLiteral("⏰"), QPointF(25, 25.5), 31); }

void drawGames(QPainter &p) { emoji(p, QStringLiteral("🧩"), QPointF(25, 25), 30); }

void drawBarGraph(QPainter &p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(8, 8, 34, 34), 4, 4);
    const QColor colors[] = {QColor(0xFF, 0x4D, 0x4D), QColor(0xFF, 0xB8, 0x00),
                             QColor(0x2E, 0xCC, 0x71), QColor(0x3B, 0x7D, 0xF6)};
    const double heights[] = {13, 24, 18, 8};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colors[i]);
        p.drawRoundedRect(QRectF(13 + 6.8 * i, 37 - heights[i], 5.6, heights[i]), 1, 1);
    }
    p.setPen(QPen(QColor(0x44, 0x4C, 0x5C), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11.5, 12), QPointF(11.5, 37.5));
    p.drawLine(QPointF(11.5, 37.5), QPointF(39.5, 37.5));
}

void drawPath(QPainter &p) {
    QPainterPath road;
    road.moveTo(8, 44);
    road.cubicTo(8, 30, 40, 36, 36, 24);
    road.cubicTo(33, 16, 16, 20, 18, 12);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xF6, 0xD2, 0x8A), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(road);
    p.setPen(QPen(QColor(255, 255, 255), 1.2, Qt::DashLine, Qt::RoundCap));
    p.drawPath(road);
    emoji(p, QStringLiteral("🏠"), QPointF(33, 12), 15);
    emoji(p, QStringLiteral("🐞"), QPointF(10, 39), 10);
}

void drawMagic(QPainter &p) {
    outlinedText(p, QStringLiteral("7"), sansFont(28), QPointF(16, 27), QColor(0xFF, 0xD8, 0x3A),
                 QColor(255, 255, 255), 3.0, 0.8);
    // a magic wand: black stick with white ends and a golden star
    p.setPen(QPen(QColor(255, 255, 255), 5.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(28, 43), QPointF(38, 22));
    p.setPen(QPen(QColor(0x22, 0x22, 0x2A), 3.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(29.3, 40.3), QPointF(36.7, 24.7));
    star(p, QPointF(38.5, 17), 7.5, QColor(0xFF, 0xE0, 0x33), QColor(255, 255, 255), 1.2);
    sparkle(p, QPointF(29, 9.5), 3.6, QColor(0xFF, 0xF3, 0x9A));
    sparkle(p, QPointF(44, 29), 2.8, QColor(255, 255, 255));
}

void drawEquation(QPainter &p) {
    outlinedText(p, QStringLiteral("2+1"), sansFont(15), QPointF(25, 16.5),
                 QColor(255, 255, 255), QColor(0x8B, 0x1A, 0x0A), 2.6);
    outlinedText(p, QStringLiteral("=3"), sansFont(15), QPointF(25, 33.5),
                 QColor(0xFF, 0xE0, 0x3A), QColor(0x8B, 0x1A, 0x0A), 2.6);
}

void drawMultiplying(QPainter &p) {
    const QColor colors[] = {QColor(0xFF, 0x4D, 0x4D), QColor(0xFF, 0xD2, 0x1F),
                             QColor(0x5B, 0xA8, 0xFF)};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            disc(p, QPointF(12 + 8.6 * c, 10 + 8 * r), 3.2, colors[r], QColor(255, 255, 255),
                 0.9);
    // "×" sign
    outlinedText(p, QString::fromUtf8("×"), sansFont(17), QPointF(25, 39),
                 QColor(0xFF, 0xE0, 0x33), QColor(0x0B, 0x4F, 0x47), 2.6);
}

void drawHalf(QPainter &p) {
    // a watermelon cut into two halves that move apart
    for (int side = 0; side < 2; ++side) {
        const double dx = side == 0 ? -3.8 : 3.8;
        p.save();
        const QRectF outer(10 + dx, 10, 30, 30);
        const int start = side == 0 ? 90 : -90;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2E, 0x9E, 0x3E));
        p.drawPie(outer, start * 16, 180 * 16);
        p.setBrush(QColor(0xE8, 0xF7, 0xD0));
        p.drawPie(outer.adjusted(2.4, 2.4, -2.4, -2.4), start * 16, 180 * 16);
        p.setBrush(QColor(0xFF, 0x45, 0x5A));
        p.drawPie(outer.adjusted(3.8, 3.8, -3.8, -3.8), start * 16, 180 * 16);
        p.setBrush(QColor(0x2B, 0x1A, 0x12));
        const double sx = side == 0 ? -1 : 1;
        const QPointF seeds[] = {QPointF(6, -6), QPointF(10, 1), QPointF(5, 7), QPointF(4, 0)};
        for (const auto &s : seeds)
            p.drawEllipse(QPointF(25 + dx + sx * s.x(), 25 + s.y()), 1.0, 1.5);
        p.restore();
    }
}

const std::vector<Topic> &topics() {
    static const std::vector<Topic> list = {
        {"picgame25", "picgame26", QColor(0x2F, 0x80, 0xED), drawNumbers},
        {"aqua1", "aqua2", QColor(0x2E, 0xB8, 0x72), drawAnimals},
        {"picgame3", "picgame4", QColor(0xFF, 0xB3, 0x00), drawAdding},
        {"picgame7", "picgame8", QColor(0x8E, 0x44, 0xAD), drawSheetGames},
        {"picgame11", "picgame12", QColor(0x00, 0xA9, 0x9D), drawShapes},
        {"picgame23", "picgame24", QColor(0xFF, 0x5C, 0x9A), drawColours},
        {"picgame29", "picgame30", QColor(0x3F, 0x51, 0xB5), drawNumberLine},
        {"picgame15", "picgame16", QColor(0xE5, 0x39, 0x35), drawOrdering},
        {"picgame35", "picgame36", QColor(0x00, 0xB4, 0xD8), drawPie},
        {"picgame27", "picgame34", QColor(0xFF, 0xD6, 0x00), drawFindErrors},
        {"picgame21", "picgame22", QColor(0x26, 0xA6, 0x9A), drawMultiples},
        {"picgame13", "picgame14", QColor(0xFB, 0x8C, 0x00), drawCompare},
        {"picgame28", "picgame33", QColor(0x29, 0xB6, 0xF6), drawTime},
        {"picgame37", "picgame38", QColor(0x7E, 0x57, 0xC2), drawGames},
        {"picgame1", "picgame2", QColor(0xF0, 0x62, 0x92), drawBarGraph},
        {"picgame17", "picgame18", QColor(0x7C, 0xB3, 0x42), drawPath},
        {"picgame19", "picgame20", QColor(0x5E, 0x35, 0xB1), drawMagic},
        {"picgame5", "picgame6", QColor(0xF4, 0x51, 0x1E), drawEquation},
        {"picgame9", "picgame10", QColor(0x00, 0x89, 0x7B), drawMultiplying},
        {"picgame31", "picgame32", QColor(0x42, 0xA5, 0xF5), drawHalf},
    };
    return list;
}

void drawTopicTiles() {
    for (const Topic &t : topics()) {
        save24(topicTile(t, true), QStringLiteral("pictures/%1.bmp").arg(QLatin1String(t.over)));
        save24(topicTile(t, false), QStringLiteral("pictures/%1.bmp").arg(QLatin1String(t.away)));
    }
}

// --------------------------------------------------------------- flags ----

void badgeFrame(QPainter &p, const QRectF &r) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 230), 2.2));
    p.drawRoundedRect(r.adjusted(2.5, 2.5, -2.5, -2.5), 7, 7);
    p.restore();
}

void confetti(QPainter &p, const QRectF &r, int count, unsigned seed) {
    const QColor colors[] = {QColor(0xFF, 0x4D, 0x4D), QColor(0xFF, 0xD2, 0x1F),
                             QColor(0x2E, 0xCC, 0x71), QColor(0x3B, 0x7D, 0xF6),
                             QColor(0xFF, 0x6F, 0xB1), QColor(255, 255, 255)};
    unsigned s = seed;
    auto next = [&s]() { s = s * 1103515245u + 12345u; return (s >> 16) & 0x7fff; };
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x = r.left() + next() % 1000 / 1000.0 * r.width();
        const double y = r.top() + next() % 1000 / 1000.0 * r.height();
        p.setBrush(colors[next() % 6]);
        p.save();
        p.translate(x, y);
        p.rotate(next() % 180);
        p.drawRoundedRect(QRectF(-2, -1, 4, 2), 0.6, 0.6);
        p.restore();
    }
    p.restore();
}

void balloon(QPainter &p, QPointF c, double r, const QColor &color, QPointF stringEnd) {
    p.save();
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 0.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath s;
    s.moveTo(c + QPointF(0, r * 1.2));
    s.cubicTo(c + QPointF(-r * 0.4, r * 1.8), stringEnd + QPointF(r * 0.4, -r * 0.8), stringEnd);
    p.drawPath(s);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.45), r * 1.4);
    g.setColorAt(0, color.lighter(160));
    g.setColorAt(0.5, color);
    g.setColorAt(1, color.darker(125));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r * 1.2);
    QPainterPath knot;
    knot.moveTo(c + QPointF(0, r * 1.15));
    knot.lineTo(c + QPointF(-r * 0.18, r * 1.4));
    knot.lineTo(c + QPointF(r * 0.18, r * 1.4));
    knot.closeSubpath();
    p.setBrush(color.darker(115));
    p.drawPath(knot);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(c + QPointF(-r * 0.38, -r * 0.5), r * 0.18, r * 0.3);
    p.restore();
}

void rainbow(QPainter &p, QPointF c, double r, double band) {
    const QColor colors[] = {QColor(0xFF, 0x3B, 0x3B), QColor(0xFF, 0x93, 0x1E),
                             QColor(0xFF, 0xE0, 0x2A), QColor(0x3C, 0xC8, 0x5A),
                             QColor(0x2D, 0x9C, 0xFF), QColor(0x8E, 0x5C, 0xF0)};
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const double rr = r - band * (i + 0.5);
        p.setPen(QPen(colors[i], band * 1.04, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(c.x() - rr, c.y() - rr, 2 * rr, 2 * rr), 0, 180 * 16);
    }
    p.restore();
}

QImage flagPicture(int n, int h) {
    const QRectF r(0, 0, 120, h);
    const QPointF mid(60, h / 2.0);
    Canvas cv(120, h, Qt::white);
    QPainter &p = cv.painter;
    switch (n) {
    case 1: {  // red pennant with a star on a pole, on a sunny hill
        verticalGradient(p, r, QColor(0x6F, 0xC8, 0xFF), QColor(0xC8, 0xEE, 0xFF));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x5C, 0xC9, 0x4A));
        p.drawEllipse(QPointF(60, h + 30), 95, 42);
        p.setPen(QPen(QColor(0x8D, 0x5A, 0x2B), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(30, h - 8.0), QPointF(30, 8));
        disc(p, QPointF(30, 7), 3.2, QColor(0xFF, 0xD2, 0x1F));
        QPainterPath pen;
        pen.moveTo(31.5, 10);
        pen.cubicTo(55, 4, 70, 22, 98, 20);
        pen.cubicTo(75, 26, 58, 36, 31.5, 42);
        pen.closeSubpath();
        QLinearGradient g(QPointF(30, 0), QPointF(98, 0));
        g.setColorAt(0, QColor(0xE5, 0x1C, 0x23));
        g.setColorAt(1, QColor(0xFF, 0x4D, 0x4D));
        p.setPen(QPen(QColor(255, 255, 255), 1.4));
        p.setBrush(g);
        p.drawPath(pen);
        star(p, QPointF(52, 24), 9.5, QColor(0xFF, 0xE0, 0x33), QColor(255, 255, 255), 1.0);
        sparkle(p, QPointF(100, 44), 5, QColor(255, 255, 255));
        sparkle(p, QPointF(12, 20), 3.5, QColor(255, 255, 255));
        break;
    }
    case 2:  // golden trophy on blue rays
        rays(p, r, mid, 16, QColor(0x1E, 0x7B, 0xE0), QColor(0x46, 0xA2, 0xF5));
        emoji(p, QStringLiteral("🏆"), mid + QPointF(0, 1), h * 0.78);
        sparkle(p, QPointF(24, 18), 6, QColor(255, 255, 255));
        sparkle(p, QPointF(96, 50), 5, QColor(255, 255, 255));
        break;
    case 3:  // gold medal on blue with confetti
        verticalGradient(p, r, QColor(0x2D, 0x7F, 0xF9), QColor(0x1E, 0x4F, 0xC0));
        confetti(p, r, 40, 3);
        emoji(p, QStringLiteral("🥇"), mid + QPointF(0, 1), h * 0.8);
        break;
    case 4:  // smiling sun
        verticalGradient(p, r, QColor(0x7F, 0xD4, 0xFF), QColor(0xD7, 0xF3, 0xFF));
        cloud(p, QPointF(18, h - 12.0), 7, QColor(255, 255, 255));
        cloud(p, QPointF(102, 16), 6, QColor(255, 255, 255));
        smilingSun(p, mid, h * 0.28, 14);
        break;
    case 5:  // rainbow with clouds
        verticalGradient(p, r, QColor(0x8E, 0xD8, 0xFF), QColor(0xE6, 0xF7, 0xFF));
        rainbow(p, QPointF(60, h - 8.0), 52, 6.2);
        cloud(p, QPointF(18, h - 12.0), 8, QColor(255, 255, 255));
        cloud(p, QPointF(102, h - 12.0), 8, QColor(255, 255, 255));
        sparkle(p, QPointF(60, 10), 4.5, QColor(0xFF, 0xE0, 0x33));
        break;
    case 6:  // crown on purple rays
        rays(p, r, mid, 18, QColor(0x7B, 0x2F, 0xF7), QColor(0x9D, 0x5C, 0xFF), 5);
        emoji(p, QStringLiteral("👑"), mid + QPointF(0, 2), h * 0.66);
        sparkle(p, QPointF(22, 16), 5.5, QColor(0xFF, 0xE8, 0x6A));
        sparkle(p, QPointF(99, 18), 4.5, QColor(255, 255, 255));
        sparkle(p, QPointF(96, h - 14.0), 5.5, QColor(0xFF, 0xE8, 0x6A));
        break;
    case 7: {  // "真棒" with three stars
        rays(p, r, QPointF(60, h + 10.0), 20, QColor(0xFF, 0x5A, 0x36), QColor(0xFF, 0x7B, 0x45));
        star(p, QPointF(34, 17), 8, QColor(0xFF, 0xE0, 0x33), QColor(255, 255, 255), 1.2);
        star(p, QPointF(60, 13), 10.5, QColor(0xFF, 0xE0, 0x33), QColor(255, 255, 255), 1.2);
        star(p, QPointF(86, 17), 8, QColor(0xFF, 0xE0, 0x33), QColor(255, 255, 255), 1.2);
        outlinedText(p, QStringLiteral("真棒!"), sansFont(27), QPointF(60, 44),
                     QColor(0xFF, 0xF4, 0x9C), QColor(0xB7, 0x1C, 0x1C), 4.0, 1.2);
        break;
    }
    case 8:  // balloons
        verticalGradient(p, r, QColor(0x5B, 0xC0, 0xFF), QColor(0xD0, 0xF0, 0xFF));
        cloud(p, QPointF(14, 14), 5, QColor(255, 255, 255, 220));
        cloud(p, QPointF(106, 40), 5, QColor(255, 255, 255, 220));
        balloon(p, QPointF(40, 24), 12, QColor(0xFF, 0x3B, 0x3B), QPointF(58, h - 4.0));
        balloon(p, QPointF(80, 24), 12, QColor(0x3B, 0x7D, 0xF6), QPointF(62, h - 4.0));
        balloon(p, QPointF(60, 18), 13, QColor(0xFF, 0xD2, 0x1F), QPointF(60, h - 4.0));
        break;
    case 9:  // thumbs up
        verticalGradient(p, r, QColor(0x3D, 0xD1, 0x6B), QColor(0x1E, 0x9E, 0x4A));
        star(p, QPointF(22, 20), 8, QColor(0xFF, 0xE0, 0x33), QColor(255, 255, 255), 1.0);
        star(p, QPointF(98, 48), 8, QColor(0xFF, 0xE0, 0x33), QColor(255, 255, 255), 1.0);
        sparkle(p, QPointF(96, 16), 4.5, QColor(255, 255, 255));
        sparkle(p, QPointF(24, 50), 4, QColor(255, 255, 255));
        emoji(p, QStringLiteral("👍"), mid + QPointF(0, 1), h * 0.74);
        break;
    case 10: {  // glowing star in the night sky
        verticalGradient(p, r, QColor(0x1A, 0x23, 0x7E), QColor(0x3F, 0x2B, 0x96));
        const QPointF small[] = {QPointF(14, 12), QPointF(104, 14), QPointF(20, 54),
                                 QPointF(100, 56), QPointF(36, 8), QPointF(86, 60)};
        for (const auto &s : small) sparkle(p, s, 3.2, QColor(0xFF, 0xF8, 0xC8));
        QRadialGradient glow(mid, h * 0.6);
        glow.setColorAt(0, QColor(0xFF, 0xE8, 0x6A, 160));
        glow.setColorAt(1, QColor(0xFF, 0xE8, 0x6A, 0));
        p.fillRect(r, glow);
        emoji(p, QStringLiteral("🌟"), mid, h * 0.8);
        break;
    }
    case 11:  // bouquet of flowers
        verticalGradient(p, r, QColor(0xFF, 0xC1, 0xDC), QColor(0xFF, 0x8F, 0xC0));
        emoji(p, QStringLiteral("🌸"), QPointF(20, 18), 16, -15);
        emoji(p, QStringLiteral("🌼"), QPointF(101, 50), 16, 15);
        emoji(p, QStringLiteral("💐"), mid + QPointF(0, 1), h * 0.8);
        break;
    case 12:  // party popper with confetti
        verticalGradient(p, r, QColor(0xFF, 0x7E, 0xC0), QColor(0xE8, 0x3E, 0x8C));
        confetti(p, r, 26, 12);
        emoji(p, QStringLiteral("🎉"), mid + QPointF(0, 1), h * 0.76);
        break;
    }
    badgeFrame(p, r);
    return cv.finish();
}

void drawFlags() {
    for (int n = 1; n <= 12; ++n)
        save8(flagPicture(n, n == 7 ? 65 : 70), QStringLiteral("pictures/flag%1.bmp").arg(n));
}

// ------------------------------------------------------------- animals ----

// Counted animals are shown stretched into 110 x 80 and 70 x 60 buttons; they
// are drawn pre-squeezed so that they look right at those sizes.
double displayCompensation(int height) {
    const double a = (80.0 / height) / (110.0 / 150.0);
    const double b = (60.0 / height) / (70.0 / 150.0);
    return std::sqrt(a * b);  // how much wider than tall to draw
}

struct Pose {
    double dx = 0, dy = 0, angle = 0, sx = 1, sy = 1;
};

void animalFrame(const char *name, int height, const QString &em, const Pose &pose,
                 const std::function<void(QPainter &, double)> &extra = {}) {
    Canvas cv(150, height, Qt::black);
    QPainter &p = cv.painter;
    const double k = displayCompensation(height);
    // Fit the emoji (widened by k) into the picture with a margin for motion.
    const double aspect = emojiAspect(em) * k;
    const double maxH = height * 0.82;
    const double maxW = 150 * 0.82;
    const double eh = std::min(maxH, maxW / aspect);
    p.save();
    p.translate(75 + pose.dx, height / 2.0 + pose.dy);
    p.scale(k, 1);  // displayed stretch compensation
    emoji(p, em, QPointF(0, 0), eh, pose.angle, pose.sx, pose.sy);
    p.restore();
    if (extra) extra(p, k);
    save24(cv.finish(), QStringLiteral("pictures/%1.bmp").arg(QLatin1String(name)));
}

void bubbles(QPainter &p, double k, const std::vector<QPointF> &at, double r) {
    p.save();
    p.setBrush(QColor(0x9F, 0xE0, 0xFF, 60));
    p.setPen(QPen(QColor(0xB8, 0xEA, 0xFF), 1.2));
    for (const auto &c : at) p.drawEllipse(c, r * k, r);
    p.restore();
}

void drawAnimalsSets() {
    // turtle: walks forward and lifts its head
    animalFrame("t1", 68, QStringLiteral("🐢"), {-9, 2, 0, 1, 1});
    animalFrame("t2", 68, QStringLiteral("🐢"), {9, -1, -7, 1, 1});
    // rabbit: crouches, then hops up
    animalFrame("k1", 131, QStringLiteral("🐰"), {0, 9, 0, 1.06, 0.9});
    animalFrame("k2", 131, QStringLiteral("🐰"), {0, -12, 6, 0.96, 1.04});
    // fish: swims and tilts, bubbles rise
    animalFrame("x1", 72, QStringLiteral("🐠"), {-6, 2, 8, 1, 1}, [](QPainter &p, double k) {
        bubbles(p, k, {QPointF(132, 46), QPointF(138, 30)}, 3.5);
    });
    animalFrame("x2", 72, QStringLiteral("🐠"), {6, -2, -8, 1, 1}, [](QPainter &p, double k) {
        bubbles(p, k, {QPointF(136, 24), QPointF(141, 10), QPointF(22, 52)}, 3.5);
    });
    // dog: stands, then jumps happily
    animalFrame("f1", 65, QStringLiteral("🐕"), {-4, 3, 0, 1, 1});
    animalFrame("f2", 65, QStringLiteral("🐕"), {4, -4, -9, 1, 1});
    // butterfly: wings open, then folded up while it rises
    animalFrame("ff1", 142, QStringLiteral("🦋"), {0, 6, -6, 1, 1});
    animalFrame("ff2", 142, QStringLiteral("🦋"), {0, -8, 6, 0.45, 0.96});
    // elephant: rocks from side to side
    animalFrame("h1", 66, QStringLiteral("🐘"), {-6, 1, -7, 1, 1});
    animalFrame("h2", 66, QStringLiteral("🐘"), {6, -2, 7, 1, 1});
}

void drawStartPicture() {
    Canvas cv(110, 80, Qt::black);
    QPainter &p = cv.painter;
    const QPointF c(55, 42);
    QRadialGradient glow(c, 40);
    glow.setColorAt(0, QColor(0xFF, 0xE0, 0x40, 90));
    glow.setColorAt(1, QColor(0xFF, 0xE0, 0x40, 0));
    p.fillRect(QRectF(0, 0, 110, 80), glow);
    QRadialGradient g(c - QPointF(6, 8), 40);
    g.setColorAt(0, QColor(0xFF, 0xF5, 0x9D));
    g.setColorAt(1, QColor(0xFF, 0xC1, 0x07));
    p.setPen(QPen(QColor(0xFF, 0x9F, 0x00), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(starPath(c, 34, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4A, 0x2C, 0x0A));
    p.drawEllipse(QPointF(48, 40), 2.6, 3.6);
    p.drawEllipse(QPointF(62, 40), 2.6, 3.6);
    p.setBrush(QColor(0xFF, 0x6B, 0x6B, 150));
    p.drawEllipse(QPointF(43, 47), 3.4, 2.0);
    p.drawEllipse(QPointF(67, 47), 3.4, 2.0);
    p.setPen(QPen(QColor(0x4A, 0x2C, 0x0A), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(49, 42, 12, 8), 200 * 16, 140 * 16);
    sparkle(p, QPointF(16, 16), 5, QColor(255, 255, 255));
    sparkle(p, QPointF(95, 64), 4, QColor(0xFF, 0xF3, 0x9A));
    sparkle(p, QPointF(92, 14), 3, QColor(0xFF, 0xF3, 0x9A));
    save24(cv.finish(), QStringLiteral("layout/start.bmp"));
}

// ------------------------------------------------------------ ordering ----

const QColor kOrderBackground(0xFF, 0xFB, 0xEE);

// Low to high: a sunflower in a pot growing taller.
void drawGrowingFlower() {
    const double stems[] = {6, 24, 42, 60, 78};
    for (int i = 0; i < 5; ++i) {
        Canvas cv(128, 128, kOrderBackground);
        QPainter &p = cv.painter;
        const double potTop = 100;
        const double headY = potTop - stems[i] - 4;
        p.setPen(QPen(QColor(0x2E, 0x9E, 0x3E), 4.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(64, potTop), QPointF(64, headY));
        // leaves along the stem
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x43, 0xB5, 0x4B));
        for (double y = potTop - 14; y > headY + 12; y -= 18) {
            const bool left = int((potTop - y) / 18) % 2 == 0;
            p.save();
            p.translate(64, y);
            p.rotate(left ? -35 : 35);
            p.drawEllipse(QRectF(left ? -17 : 1, -4.5, 16, 9));
            p.restore();
        }
        emoji(p, QStringLiteral("🌻"), QPointF(64, headY), 30);
        // flower pot
        QPainterPath pot;
        pot.moveTo(44, potTop);
        pot.lineTo(84, potTop);
        pot.lineTo(78, 124);
        pot.lineTo(50, 124);
        pot.closeSubpath();
        p.setBrush(QColor(0xD9, 0x6C, 0x3A));
        p.drawPath(pot);
        p.setBrush(QColor(0xC0, 0x55, 0x2A));
        p.drawRoundedRect(QRectF(41, potTop - 3, 46, 8), 2, 2);
        save24(cv.finish(), QStringLiteral("pictures/sp%1.bmp").arg(i + 1));
    }
}

// Big to small: one frog in five sizes.
void drawShrinkingFrog() {
    const double sizes[] = {76, 60, 46, 34, 24};
    for (int i = 0; i < 5; ++i) {
        Canvas cv(80, 130, kOrderBackground);
        QPainter &p = cv.painter;
        const double h = sizes[i] / emojiAspect(QStringLiteral("🐸"));
        emoji(p, QStringLiteral("🐸"), QPointF(40, 65), h);
        save24(cv.finish(), QStringLiteral("pictures/hm%1.bmp").arg(i + 1));
    }
}

// Few to many: one to five apples.
void drawApples() {
    const std::vector<std::vector<QPointF>> layouts = {
        {QPointF(64, 63.5)},
        {QPointF(40, 63.5), QPointF(88, 63.5)},
        {QPointF(64, 38), QPointF(38, 86), QPointF(90, 86)},
        {QPointF(38, 38), QPointF(90, 38), QPointF(38, 89), QPointF(90, 89)},
        {QPointF(29, 29), QPointF(99, 29), QPointF(64, 63.5), QPointF(29, 98), QPointF(99, 98)},
    };
    for (int i = 0; i < 5; ++i) {
        Canvas cv(128, 127, kOrderBackground);
        QPainter &p = cv.painter;
        for (const auto &c : layouts[size_t(i)]) emoji(p, QStringLiteral("🍎"), c, 38);
        save24(cv.finish(), QStringLiteral("pictures/ld%1.bmp").arg(i + 1));
    }
}

// Thick to thin: five pencils of the same length.
void drawPencils() {
    const double widths[] = {54, 40, 28, 18, 10};
    for (int i = 0; i < 5; ++i) {
        Canvas cv(88, 124, kOrderBackground);
        QPainter &p = cv.painter;
        const double w = widths[i];
        const double x0 = 44 - w / 2, x1 = 44 + w / 2;
        const double top = 6, bottom = 118;
        const double tipLen = std::max(12.0, w * 0.75);
        const double eraser = std::max(7.0, w * 0.3);
        const double ferrule = std::max(4.0, w * 0.16);
        p.setPen(Qt::NoPen);
        // eraser and metal band
        p.setBrush(QColor(0xFF, 0x8F, 0xA8));
        p.drawRoundedRect(QRectF(x0, top, w, eraser + 3), std::min(4.0, w / 3), std::min(4.0, w / 3));
        p.setBrush(QColor(0xB8, 0xC2, 0xCC));
        p.drawRect(QRectF(x0, top + eraser, w, ferrule));
        // body with three facets
        const double bodyTop = top + eraser + ferrule, bodyBottom = bottom - tipLen;
        p.setBrush(QColor(0xFF, 0xC1, 0x07));
        p.drawRect(QRectF(x0, bodyTop, w, bodyBottom - bodyTop));
        p.setBrush(QColor(0xFF, 0xE0, 0x6A));
        p.drawRect(QRectF(x0 + w * 0.34, bodyTop, w * 0.32, bodyBottom - bodyTop));
        p.setBrush(QColor(0xE0, 0x9B, 0x00));
        p.drawRect(QRectF(x0 + w * 0.8, bodyTop, w * 0.2, bodyBottom - bodyTop));
        // sharpened wood and lead
        QPainterPath wood;
        wood.moveTo(x0, bodyBottom);
        wood.lineTo(x1, bodyBottom);
        wood.lineTo(44, bottom);
        wood.closeSubpath();
        p.setBrush(QColor(0xF3, 0xCF, 0x9A));
        p.drawPath(wood);
        const double leadLen = tipLen * 0.32;
        QPainterPath lead;
        lead.moveTo(44 - w / 2 * leadLen / tipLen, bottom - leadLen);
        lead.lineTo(44 + w / 2 * leadLen / tipLen, bottom - leadLen);
        lead.lineTo(44, bottom);
        lead.closeSubpath();
        p.setBrush(QColor(0x3A, 0x3A, 0x44));
        p.drawPath(lead);
        // outline
        QPainterPath outline;
        outline.addRoundedRect(QRectF(x0, top, w, bodyBottom - top), std::min(4.0, w / 3),
                               std::min(4.0, w / 3));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x7A, 0x4A, 0x10), 1.0));
        p.drawPath(outline);
        p.drawPath(wood);
        save24(cv.finish(), QStringLiteral("pictures/cannon%1.bmp").arg(i + 1));
    }
}

// Wide to narrow: the same Christmas tree squeezed to five widths.
void drawTrees() {
    const double widths[] = {118, 92, 68, 46, 26};
    for (int i = 0; i < 5; ++i) {
        Canvas cv(128, 128, kOrderBackground);
        QPainter &p = cv.painter;
        const double half = widths[i] / 2;
        auto X = [half](double u) { return 64 + u * half; };  // u in -1 .. 1
        // trunk
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x8D, 0x5A, 0x2B));
        const double tw = std::max(5.0, half * 0.36);
        p.drawRect(QRectF(64 - tw / 2, 106, tw, 16));
        // three tiers, bottom first
        struct Tier { double top, bottom, spread; };
        const Tier tiers[] = {{52, 110, 1.0}, {34, 80, 0.8}, {16, 54, 0.58}};
        for (const auto &t : tiers) {
            QPainterPath tri;
            tri.moveTo(64, t.top);
            tri.lineTo(X(t.spread), t.bottom);
            tri.lineTo(X(-t.spread), t.bottom);
            tri.closeSubpath();
            QLinearGradient g(QPointF(X(-t.spread), 0), QPointF(X(t.spread), 0));
            g.setColorAt(0, QColor(0x2E, 0xA0, 0x45));
            g.setColorAt(1, QColor(0x1B, 0x7A, 0x33));
            p.setBrush(g);
            p.setPen(QPen(QColor(0x14, 0x5E, 0x27), 1.0, Qt::SolidLine, Qt::RoundCap,
                          Qt::RoundJoin));
            p.drawPath(tri);
        }
        // baubles placed relative to the width
        const struct { double u, y; QColor c; } baubles[] = {
            {-0.55, 100, QColor(0xFF, 0x3B, 0x3B)}, {0.1, 98, QColor(0xFF, 0xD2, 0x1F)},
            {0.62, 102, QColor(0x3B, 0x7D, 0xF6)},  {-0.3, 72, QColor(0xFF, 0xD2, 0x1F)},
            {0.4, 70, QColor(0xFF, 0x3B, 0x3B)},    {0.0, 46, QColor(0x3B, 0x7D, 0xF6)},
        };
        const double br = std::min(4.2, std::max(2.2, half * 0.08));
        for (const auto &b : baubles)
            disc(p, QPointF(X(b.u), b.y), br, b.c, QColor(255, 255, 255), 0.8);
        star(p, QPointF(64, 14), 9, QColor(0xFF, 0xD8, 0x1F), QColor(0xE0, 0x9B, 0x00), 1.0);
        save24(cv.finish(), QStringLiteral("pictures/Xmas%1.bmp").arg(i + 1));
    }
}

// -------------------------------------------------------------- layout ----

void drawHeader() {
    Canvas cv(1018, 97, Qt::white);
    QPainter &p = cv.painter;
    verticalGradient(p, QRectF(0, 0, 1018, 97), QColor(0x5C, 0xBE, 0xFF), QColor(0x2A, 0x86, 0xE8));
    // far clouds
    cloud(p, QPointF(150, 22), 9, QColor(255, 255, 255, 110));
    cloud(p, QPointF(560, 16), 8, QColor(255, 255, 255, 110));
    cloud(p, QPointF(880, 14), 7, QColor(255, 255, 255, 90));
    // calm darker band for the six white labels, with a wavy top edge
    QPainterPath band;
    band.moveTo(0, 60);
    for (int x = 0; x <= 1018; x += 2) band.lineTo(x, 58 + 2.2 * std::sin(x / 38.0));
    band.lineTo(1018, 97);
    band.lineTo(0, 97);
    band.closeSubpath();
    QLinearGradient bg(QPointF(0, 56), QPointF(0, 97));
    bg.setColorAt(0, QColor(0x1C, 0x5F, 0xC4));
    bg.setColorAt(1, QColor(0x15, 0x47, 0x9C));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawPath(band);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath edge;
    for (int x = 0; x <= 1018; x += 2) {
        const QPointF pt(x, 58 + 2.2 * std::sin(x / 38.0));
        if (x == 0) edge.moveTo(pt); else edge.lineTo(pt);
    }
    p.drawPath(edge);

    // left: smiling sun (the link text sits to its right, on plain sky)
    smilingSun(p, QPointF(60, 29), 17, 12);

    // middle: number bubbles and balloons
    const char *digits[] = {"1", "2", "3", "4", "5"};
    const QColor bubbleColors[] = {QColor(0xFF, 0x4D, 0x4D), QColor(0xFF, 0xB3, 0x00),
                                   QColor(0x2E, 0xCC, 0x71), QColor(0xFF, 0x6F, 0xB1),
                                   QColor(0x8E, 0x5C, 0xF0)};
    for (int i = 0; i < 5; ++i) {
        const QPointF c(392 + 44 * i, i % 2 == 0 ? 27 : 33);
        disc(p, c, 15, bubbleColors[i], QColor(255, 255, 255), 2.0);
        outlinedText(p, QString::fromLatin1(digits[i]), sansFont(20), c, QColor(255, 255, 255),
                     QColor(), 0);
    }
    balloon(p, QPointF(636, 20), 10, QColor(0xFF, 0xD2, 0x1F), QPointF(646, 56));
    balloon(p, QPointF(660, 28), 9, QColor(0xFF, 0x4D, 0x4D), QPointF(648, 56));

    // right: the program's name and title
    outlinedText(p, QStringLiteral("Abacolo"), sansFont(40), QPointF(790, 30),
                 QColor(0xFF, 0xE0, 0x3A), QColor(0xC2, 0x41, 0x0C), 5.0, 2.0);
    outlinedText(p, QStringLiteral("数学乐园"), sansFont(25), QPointF(950, 32),
                 QColor(255, 255, 255), QColor(0x1C, 0x5F, 0xC4), 4.0, 1.5);
    // animals peeking over the band at the right end, away from the labels
    emoji(p, QStringLiteral("🐻"), QPointF(730, 80), 26);
    emoji(p, QStringLiteral("🐰"), QPointF(800, 80), 26);
    emoji(p, QStringLiteral("🐥"), QPointF(870, 81), 24);
    emoji(p, QStringLiteral("🐱"), QPointF(940, 80), 26);
    save32TopDown(cv.finish(), QStringLiteral("layout/header.bmp"));
}

void drawBackground() {
    Canvas cv(1019, 646, Qt::white);
    QPainter &p = cv.painter;
    verticalGradient(p, QRectF(0, 0, 1019, 646), QColor(0xEE, 0xF6, 0xFF), QColor(0xFF, 0xF8, 0xEA));
    // soft pastel circles
    const struct { double x, y, r; QColor c; } blobs[] = {
        {320, 60, 90, QColor(0xFF, 0xC8, 0xDD, 45)},  {980, 80, 120, QColor(0xC8, 0xE6, 0xFF, 60)},
        {960, 560, 110, QColor(0xD6, 0xF5, 0xC8, 60)}, {330, 600, 80, QColor(0xFF, 0xE9, 0xB0, 55)},
        {640, 40, 60, QColor(0xE3, 0xD5, 0xFF, 45)},
    };
    for (const auto &b : blobs) disc(p, QPointF(b.x, b.y), b.r, b.c);
    // a pale rounded panel behind the grid of topic buttons
    const QRectF panel(338, 92, 588, 436);
    p.setPen(QPen(QColor(0xD5, 0xE6, 0xF7), 2.0));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRoundedRect(panel, 26, 26);
    // gentle hills at the foot
    QPainterPath hills;
    hills.moveTo(0, 646);
    hills.lineTo(0, 612);
    hills.cubicTo(180, 580, 330, 630, 520, 606);
    hills.cubicTo(700, 584, 860, 628, 1019, 600);
    hills.lineTo(1019, 646);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD8, 0xF0, 0xCC));
    p.drawPath(hills);
    // a few faint twinkles in the margins
    const QPointF twinkles[] = {QPointF(960, 200), QPointF(975, 330), QPointF(950, 450),
                                QPointF(310, 200), QPointF(305, 380), QPointF(620, 560)};
    for (const auto &t : twinkles) sparkle(p, t, 7, QColor(0xFF, 0xD5, 0x4F, 90));
    save32TopDown(cv.finish(), QStringLiteral("layout/background.bmp"));
}

void drawStrip() {
    Canvas cv(11, 633, Qt::white);
    QPainter &p = cv.painter;
    verticalGradient(p, QRectF(0, 0, 11, 633), QColor(0x2A, 0x86, 0xE8), QColor(0x8F, 0xD0, 0xFF));
    const QColor dots[] = {QColor(0xFF, 0xE0, 0x3A), QColor(255, 255, 255), QColor(0xFF, 0x8F, 0xB8)};
    for (int i = 0; i * 22 + 12 < 633; ++i) disc(p, QPointF(5.5, 12 + 22 * i), 2.3, dots[i % 3]);
    p.fillRect(QRectF(10, 0, 1, 633), QColor(255, 255, 255, 120));
    save24(cv.finish(), QStringLiteral("layout/strip.bmp"));
}

void drawSplash() {
    Canvas cv(400, 200, Qt::white);
    QPainter &p = cv.painter;
    verticalGradient(p, QRectF(0, 0, 400, 200), QColor(0x6C, 0xC6, 0xFF), QColor(0xC9, 0xEC, 0xFF));
    cloud(p, QPointF(360, 20), 9, QColor(255, 255, 255, 200));
    cloud(p, QPointF(120, 18), 7, QColor(255, 255, 255, 170));
    // calm cream band for the loading text and credit line
    QPainterPath band;
    band.moveTo(0, 200);
    band.lineTo(0, 128);
    band.cubicTo(120, 116, 260, 136, 400, 122);
    band.lineTo(400, 200);
    band.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF9, 0xEC));
    p.drawPath(band);
    p.setPen(QPen(QColor(0xFF, 0xC8, 0x3C), 3.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath edge;
    edge.moveTo(0, 128);
    edge.cubicTo(120, 116, 260, 136, 400, 122);
    p.drawPath(edge);
    // friendly bear with balloons on the left
    balloon(p, QPointF(34, 30), 13, QColor(0xFF, 0x4D, 0x4D), QPointF(62, 96));
    balloon(p, QPointF(64, 22), 13, QColor(0xFF, 0xD2, 0x1F), QPointF(64, 96));
    balloon(p, QPointF(94, 32), 13, QColor(0x3B, 0x7D, 0xF6), QPointF(66, 96));
    emoji(p, QStringLiteral("🐻"), QPointF(64, 104), 44);
    // name and title, each letter its own colour
    const QString name = QStringLiteral("Abacolo");
    const QColor letters[] = {QColor(0xFF, 0x4D, 0x4D), QColor(0xFF, 0x9F, 0x1C),
                              QColor(0xFF, 0xD2, 0x1F), QColor(0x2E, 0xCC, 0x71),
                              QColor(0x2D, 0x9C, 0xFF), QColor(0x8E, 0x5C, 0xF0),
                              QColor(0xFF, 0x6F, 0xB1)};
    const QFont big = sansFont(50);
    double x = 148;
    for (int i = 0; i < name.size(); ++i) {
        QPainterPath glyph;
        glyph.addText(0, 0, big, name.mid(i, 1));
        const double adv = QFontMetricsF(big).horizontalAdvance(name.mid(i, 1));
        const QPointF c(x + adv / 2, 48 + (i % 2 == 0 ? 0 : 3));
        outlinedText(p, name.mid(i, 1), big, QPointF(c.x(), c.y()), letters[i],
                     QColor(255, 255, 255), 5.0, 1.8);
        x += adv - 1;
    }
    outlinedText(p, QStringLiteral("数学乐园"), sansFont(28), QPointF(270, 96),
                 QColor(0x1C, 0x5F, 0xC4), QColor(255, 255, 255), 4.5, 0);
    sparkle(p, QPointF(380, 70), 6, QColor(255, 255, 255));
    sparkle(p, QPointF(140, 92), 5, QColor(0xFF, 0xF3, 0x9A));
    save32TopDown(cv.finish(), QStringLiteral("layout/splash.bmp"));
}

}  // namespace

// ------------------------------------------------------------ activities ---

// The activities' things to count, pair and share: one emoji each on a
// transparent 128 x 128 square, its ink fitted into 120 x 120 without
// changing its shape.
void drawActivityPictures() {
    const std::array<std::pair<const char *, QString>, 10> things{{
        {"apple", QStringLiteral("🍎")},      {"orange", QStringLiteral("🍊")},
        {"strawberry", QStringLiteral("🍓")}, {"pear", QStringLiteral("🍐")},
        {"peach", QStringLiteral("🍑")},      {"lemon", QStringLiteral("🍋")},
        {"chick", QStringLiteral("🐥")},      {"fish", QStringLiteral("🐟")},
        {"ladybird", QStringLiteral("🐞")},   {"butterfly", QStringLiteral("🦋")},
    }};
    for (const auto &[name, text] : things) {
        const QImage &ink = emojiImage(text);
        QImage img(128, 128, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        const double fit = 120.0 / std::max(ink.width(), ink.height());
        const QSizeF size(ink.width() * fit, ink.height() * fit);
        {
            QPainter p(&img);
            p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            p.drawImage(QRectF(QPointF(64 - size.width() / 2, 64 - size.height() / 2), size), ink);
        }
        const QString path = gOutDir + QStringLiteral("/activities/") + QLatin1String(name) +
                             QStringLiteral(".png");
        if (!img.convertToFormat(QImage::Format_ARGB32).save(path, "PNG"))
            fail(QStringLiteral("cannot write ") + path);
        ++gWritten;
    }
}

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_pictures <assets-dir>\n");
        return 2;
    }
    gOutDir = QString::fromLocal8Bit(argv[1]);
    for (const char *sub : {"pictures", "layout", "activities"})
        if (!QDir().mkpath(gOutDir + QLatin1Char('/') + QLatin1String(sub)))
            fail(QStringLiteral("cannot create ") + gOutDir);
    for (const QString &family : {kEmojiFamily, kSansFamily}) {
        QFont f(family);
        if (QFontInfo(f).family() != family) fail(QStringLiteral("font missing: ") + family);
    }

    drawTopicTiles();
    drawFlags();
    drawAnimalsSets();
    drawGrowingFlower();
    drawShrinkingFrog();
    drawApples();
    drawPencils();
    drawTrees();
    drawStartPicture();
    drawHeader();
    drawBackground();
    drawStrip();
    drawSplash();
    drawActivityPictures();
    std::printf("draw_pictures: wrote %d pictures into %s\n", gWritten, argv[1]);
    return 0;
}
