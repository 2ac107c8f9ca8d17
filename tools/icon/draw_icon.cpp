// draw_icon <folder>
//
// Draws the program's icon, an abacus with bright beads on the dark stage of the program's
// windows, into <folder>/scalable/abacolo.svg and <folder>/<n>x<n>/abacolo.png for the sizes of
// the hicolor theme. Small sizes get fewer, bigger beads so that they stay readable.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <QTextStream>

#include <array>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int Canvas = 256; // every size is drawn on this grid, scaled

struct Row
{
    QColor bead;
    int left;  // beads pushed to the left
    int right; // beads pushed to the right
};

void drawBead(QPainter &p, QRectF bead, const QColor &colour)
{
    QRadialGradient shine(bead.center() - QPointF(bead.width() * 0.18, bead.height() * 0.22),
                          bead.width() * 0.75);
    shine.setColorAt(0, colour.lighter(165));
    shine.setColorAt(0.45, colour);
    shine.setColorAt(1, colour.darker(150));
    p.setPen(QPen(colour.darker(190), bead.height() * 0.06));
    p.setBrush(shine);
    p.drawEllipse(bead);
}

void drawIcon(QPainter &p, bool small)
{
    p.setRenderHint(QPainter::Antialiasing);

    // The tile: the program's dark stage with a soft edge.
    const QRectF tile(8, 8, 240, 240);
    QLinearGradient stage(tile.topLeft(), tile.bottomLeft());
    stage.setColorAt(0, QColor(0x2a, 0x30, 0x44));
    stage.setColorAt(1, QColor(0x0c, 0x0e, 0x16));
    p.setPen(QPen(QColor(0x45, 0x4d, 0x68), 4));
    p.setBrush(stage);
    p.drawRoundedRect(tile, 44, 44);

    // The wooden frame.
    const QRectF frame = small ? QRectF(30, 36, 196, 184) : QRectF(34, 40, 188, 176);
    const qreal wood = small ? 20 : 14;
    QLinearGradient grain(frame.topLeft(), frame.bottomRight());
    grain.setColorAt(0, QColor(0xe0, 0x9a, 0x4f));
    grain.setColorAt(1, QColor(0xa4, 0x5a, 0x22));
    QPainterPath outer;
    outer.addRoundedRect(frame, 16, 16);
    QPainterPath inner;
    inner.addRoundedRect(frame.adjusted(wood, wood, -wood, -wood), 6, 6);
    p.setPen(QPen(QColor(0x6b, 0x36, 0x12), 3));
    p.setBrush(grain);
    p.drawPath(outer.subtracted(inner));

    // Rods and beads, as a child would push them while counting.
    const std::array<Row, 4> rows{{{QColor(0xef, 0x44, 0x44), 3, 2},
                                   {QColor(0xfb, 0xc8, 0x2d), 1, 4},
                                   {QColor(0x3e, 0xc1, 0x6a), 4, 1},
                                   {QColor(0x3b, 0x8b, 0xf5), 2, 3}}};
    const int rowCount = small ? 3 : 4;
    const int beadsPerRow = small ? 3 : 5;
    const QRectF inside = frame.adjusted(wood, wood, -wood, -wood);
    const qreal pitch = inside.height() / rowCount;
    const qreal beadHeight = pitch * 0.78;
    const qreal beadWidth = small ? inside.width() / 4.2 : inside.width() / 6.6;
    for (int r = 0; r < rowCount; ++r) {
        const qreal y = inside.top() + pitch * (r + 0.5);
        p.setPen(QPen(QColor(0xd9, 0xd4, 0xc8), small ? 6 : 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(inside.left(), y), QPointF(inside.right(), y));
        const Row &row = rows.at(size_t(r));
        const int left = small ? (r == 1 ? 1 : 2) : row.left;
        for (int b = 0; b < beadsPerRow; ++b) {
            const bool onLeft = b < left;
            const qreal x = onLeft ? inside.left() + 2 + b * beadWidth
                                   : inside.right() - 2 - (beadsPerRow - b) * beadWidth;
            drawBead(p, QRectF(x + 1, y - beadHeight / 2, beadWidth - 2, beadHeight), row.bead);
        }
    }
}

bool writePng(const QString &folder, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(double(size) / Canvas, double(size) / Canvas);
    drawIcon(p, size <= 32);
    p.end();
    const QString dir = folder + u'/' + QString::number(size) + u'x' + QString::number(size);
    return QDir().mkpath(dir) && image.save(dir + u"/abacolo.png"_s);
}

bool writeSvg(const QString &folder)
{
    const QString dir = folder + u"/scalable"_s;
    if (!QDir().mkpath(dir))
        return false;
    QSvgGenerator svg;
    svg.setFileName(dir + u"/abacolo.svg"_s);
    svg.setSize(QSize(Canvas, Canvas));
    svg.setViewBox(QRect(0, 0, Canvas, Canvas));
    svg.setTitle(u"Abacolo"_s);
    svg.setDescription(u"An abacus with coloured beads"_s);
    QPainter p;
    if (!p.begin(&svg))
        return false;
    drawIcon(p, false);
    return p.end();
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: draw_icon <folder>\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = writeSvg(folder);
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        ok = writePng(folder, size) && ok;
    if (!ok) {
        std::fputs("draw_icon: could not write the icon\n", stderr);
        return 1;
    }
    return 0;
}
