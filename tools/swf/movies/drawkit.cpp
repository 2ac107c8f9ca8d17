#include "tools/swf/movies/drawkit.h"

#include "tools/swf/movie.h"
#include "tools/swf/text.h"

#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace abacolo::movies {

namespace {

// Maps unit coordinates of a figure (its size is 1) to the page.
struct Frame
{
    QPointF c;
    double s;
    QPointF operator()(double x, double y) const { return c + QPointF(x * s, y * s); }
};

double outlineFor(double size)
{
    return std::max(2.0, size * 0.03);
}

} // namespace

Rgba lighter(Rgba c, double amount)
{
    const auto mix = [amount](int v) { return std::uint8_t(std::lround(v + (255 - v) * amount)); };
    return {mix(c.r), mix(c.g), mix(c.b), c.a};
}

Rgba darker(Rgba c, double amount)
{
    const auto mix = [amount](int v) { return std::uint8_t(std::lround(v * (1.0 - amount))); };
    return {mix(c.r), mix(c.g), mix(c.b), c.a};
}

QPainterPath circle(QPointF centre, double radius)
{
    QPainterPath p;
    p.addEllipse(centre, radius, radius);
    return p;
}

QPainterPath ellipse(QPointF centre, double rx, double ry)
{
    QPainterPath p;
    p.addEllipse(centre, rx, ry);
    return p;
}

QPainterPath roundedRect(const QRectF &rect, double radius)
{
    QPainterPath p;
    p.addRoundedRect(rect, radius, radius);
    return p;
}

QPainterPath star(QPointF centre, double outer, double inner, int points, double rotationDeg)
{
    QPainterPath p;
    for (int i = 0; i < points * 2; ++i) {
        const double angle = qDegreesToRadians(rotationDeg - 90.0 + 180.0 * i / points);
        const double r = (i % 2 == 0) ? outer : inner;
        const QPointF pt = centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
        i == 0 ? p.moveTo(pt) : p.lineTo(pt);
    }
    p.closeSubpath();
    return p;
}

QPainterPath heart(QPointF centre, double size)
{
    const Frame f{centre, size};
    QPainterPath p;
    p.moveTo(f(0, -0.22));
    p.cubicTo(f(0.10, -0.50), f(0.50, -0.46), f(0.48, -0.12));
    p.cubicTo(f(0.46, 0.12), f(0.16, 0.30), f(0, 0.46));
    p.cubicTo(f(-0.16, 0.30), f(-0.46, 0.12), f(-0.48, -0.12));
    p.cubicTo(f(-0.50, -0.46), f(-0.10, -0.50), f(0, -0.22));
    p.closeSubpath();
    return p;
}

QPainterPath triangle(QPointF centre, double size)
{
    const Frame f{centre, size};
    QPainterPath p;
    p.moveTo(f(0, -0.46));
    p.lineTo(f(0.50, 0.40));
    p.lineTo(f(-0.50, 0.40));
    p.closeSubpath();
    return p;
}

QPainterPath square(QPointF centre, double size)
{
    const double h = size * 0.42;
    return roundedRect(QRectF(centre - QPointF(h, h), QSizeF(2 * h, 2 * h)), size * 0.06);
}

QPainterPath diamond(QPointF centre, double size)
{
    const Frame f{centre, size};
    QPainterPath p;
    p.moveTo(f(0, -0.5));
    p.lineTo(f(0.38, 0));
    p.lineTo(f(0, 0.5));
    p.lineTo(f(-0.38, 0));
    p.closeSubpath();
    return p;
}

QPainterPath arc(QPointF centre, double rx, double ry, double startDeg, double sweepDeg)
{
    // Qt's arcs turn counter-clockwise from 3 o'clock; these turn clockwise, as the screen does.
    const QRectF box(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    QPainterPath p;
    p.arcMoveTo(box, -startDeg);
    p.arcTo(box, -startDeg, -sweepDeg);
    return p;
}

void text(Shape &shape, const QString &content, int pixelSize, QPointF centre, Rgba fill)
{
    shape.fill(swf::textPathCentredAt(content, swf::movieFont(pixelSize), centre), fill);
}

void stickerText(Shape &shape, const QString &content, int pixelSize, QPointF centre, Rgba fill,
                 Rgba outline, double outlineWidth)
{
    const QPainterPath path = swf::textPathCentredAt(content, swf::movieFont(pixelSize), centre);
    shape.fillAndStroke(path, outline, outlineWidth, outline);
    shape.fill(path, fill);
}

void card(Shape &shape, const QRectF &rect, Rgba fill, Rgba border)
{
    const double radius = std::min(rect.width(), rect.height()) * 0.12;
    shape.fill(roundedRect(rect.translated(3, 6), radius), Rgba{0, 40, 50, 45});
    shape.fillAndStroke(roundedRect(rect, radius), fill, 3, border);
}

void apple(Shape &shape, QPointF centre, double size)
{
    const Frame f{centre + QPointF(0, size * 0.06), size};
    QPainterPath body;
    body.moveTo(f(0, -0.30));
    body.cubicTo(f(0.18, -0.45), f(0.52, -0.40), f(0.50, -0.02));
    body.cubicTo(f(0.48, 0.30), f(0.26, 0.48), f(0.10, 0.44));
    body.cubicTo(f(0.05, 0.42), f(-0.05, 0.42), f(-0.10, 0.44));
    body.cubicTo(f(-0.26, 0.48), f(-0.48, 0.30), f(-0.50, -0.02));
    body.cubicTo(f(-0.52, -0.40), f(-0.18, -0.45), f(0, -0.30));
    body.closeSubpath();
    QPainterPath stem;
    stem.moveTo(f(0, -0.28));
    stem.quadTo(f(0.00, -0.42), f(0.06, -0.52));
    QPainterPath leafPath;
    leafPath.moveTo(f(0.05, -0.40));
    leafPath.cubicTo(f(0.12, -0.60), f(0.34, -0.62), f(0.42, -0.54));
    leafPath.cubicTo(f(0.32, -0.40), f(0.14, -0.36), f(0.05, -0.40));
    leafPath.closeSubpath();
    shape.stroke(stem, size * 0.06, colour::brown);
    shape.fillAndStroke(leafPath, colour::leaf, outlineFor(size) * 0.8, darker(colour::leaf, 0.35));
    shape.fillAndStroke(body, colour::red, outlineFor(size), darker(colour::red, 0.4));
    shape.fill(ellipse(f(-0.24, -0.12), size * 0.07, size * 0.12), lighter(colour::red, 0.55));
}

void ladybug(Shape &shape, QPointF centre, double size)
{
    const Frame f{centre, size};
    const double line = outlineFor(size);
    QPainterPath antennae;
    antennae.moveTo(f(-0.08, -0.36));
    antennae.quadTo(f(-0.14, -0.50), f(-0.24, -0.52));
    antennae.moveTo(f(0.08, -0.36));
    antennae.quadTo(f(0.14, -0.50), f(0.24, -0.52));
    shape.stroke(antennae, line * 1.2, colour::ink);
    shape.fill(circle(f(-0.24, -0.52), size * 0.04), colour::ink);
    shape.fill(circle(f(0.24, -0.52), size * 0.04), colour::ink);
    shape.fill(circle(f(0, -0.27), size * 0.17), colour::ink);
    shape.fillAndStroke(circle(f(0, 0.06), size * 0.38), colour::red, line, colour::ink);
    QPainterPath split;
    split.moveTo(f(0, -0.30));
    split.lineTo(f(0, 0.43));
    shape.stroke(split, line, colour::ink);
    for (const QPointF p : {f(-0.18, -0.08), f(0.18, -0.08), f(-0.22, 0.16), f(0.22, 0.16), f(-0.10, 0.30), f(0.10, 0.30)})
        shape.fill(circle(p, size * 0.065), colour::ink);
    shape.fill(circle(f(-0.07, -0.31), size * 0.04), colour::white);
    shape.fill(circle(f(0.07, -0.31), size * 0.04), colour::white);
}

void fish(Shape &shape, QPointF centre, double size, Rgba body, bool facingLeft)
{
    Shape f0;
    const Frame f{centre, size};
    const double line = outlineFor(size);
    const Rgba edge = darker(body, 0.35);
    QPainterPath tail;
    tail.moveTo(f(-0.22, 0));
    tail.lineTo(f(-0.52, -0.24));
    tail.quadTo(f(-0.44, 0), f(-0.52, 0.24));
    tail.closeSubpath();
    QPainterPath fin;
    fin.moveTo(f(-0.10, -0.22));
    fin.quadTo(f(0.02, -0.42), f(0.18, -0.24));
    fin.closeSubpath();
    f0.fillAndStroke(tail, body, line, edge);
    f0.fillAndStroke(fin, body, line, edge);
    f0.fillAndStroke(ellipse(f(0.06, 0), size * 0.36, size * 0.26), body, line, edge);
    f0.fill(ellipse(f(0.04, 0.10), size * 0.22, size * 0.09), lighter(body, 0.5));
    QPainterPath stripe;
    stripe.moveTo(f(-0.08, -0.20));
    stripe.quadTo(f(-0.02, 0), f(-0.08, 0.20));
    f0.stroke(stripe, line * 1.4, edge);
    f0.fill(circle(f(0.24, -0.06), size * 0.075), colour::white);
    f0.fill(circle(f(0.26, -0.06), size * 0.04), colour::ink);
    f0.stroke(arc(f(0.30, 0.06), size * 0.06, size * 0.04, 10, 120), line, edge);
    if (facingLeft)
        f0 = f0.transformed(QTransform::fromTranslate(centre.x(), centre.y()).scale(-1, 1).translate(-centre.x(), -centre.y()));
    shape.add(f0);
}

void starFigure(Shape &shape, QPointF centre, double size, Rgba fill)
{
    const Frame f{centre + QPointF(0, size * 0.04), size};
    shape.fillAndStroke(star(f(0, 0), size * 0.52, size * 0.24), fill, outlineFor(size) * 1.2, darker(fill, 0.3));
    shape.fill(circle(f(-0.09, -0.02), size * 0.035), colour::ink);
    shape.fill(circle(f(0.09, -0.02), size * 0.035), colour::ink);
    shape.stroke(arc(f(0, 0.04), size * 0.08, size * 0.06, 20, 140), outlineFor(size), colour::ink);
}

void balloon(Shape &shape, QPointF centre, double size, Rgba fill)
{
    const Frame f{centre, size};
    QPainterPath string;
    string.moveTo(f(0, 0.26));
    string.cubicTo(f(0.08, 0.34), f(-0.08, 0.42), f(0.02, 0.50));
    shape.stroke(string, outlineFor(size) * 0.8, colour::grey);
    QPainterPath knot;
    knot.moveTo(f(0, 0.22));
    knot.lineTo(f(0.05, 0.28));
    knot.lineTo(f(-0.05, 0.28));
    knot.closeSubpath();
    shape.fillAndStroke(knot, fill, outlineFor(size) * 0.8, darker(fill, 0.35));
    QPainterPath body;
    body.moveTo(f(0, -0.50));
    body.cubicTo(f(0.22, -0.50), f(0.32, -0.30), f(0.32, -0.14));
    body.cubicTo(f(0.32, 0.06), f(0.12, 0.22), f(0, 0.23));
    body.cubicTo(f(-0.12, 0.22), f(-0.32, 0.06), f(-0.32, -0.14));
    body.cubicTo(f(-0.32, -0.30), f(-0.22, -0.50), f(0, -0.50));
    body.closeSubpath();
    shape.fillAndStroke(body, fill, outlineFor(size), darker(fill, 0.35));
    shape.fill(ellipse(f(-0.14, -0.28), size * 0.05, size * 0.09), lighter(fill, 0.6));
}

void ball(Shape &shape, QPointF centre, double size, Rgba fill)
{
    const Frame f{centre, size};
    const double r = size * 0.45;
    shape.fillAndStroke(circle(centre, r), fill, outlineFor(size), darker(fill, 0.35));
    QPainterPath band;
    band.moveTo(f(-0.40, -0.18));
    band.quadTo(f(0, 0.12), f(0.40, -0.18));
    shape.stroke(band, size * 0.07, lighter(fill, 0.7));
    shape.fill(ellipse(f(-0.18, -0.24), size * 0.08, size * 0.05), lighter(fill, 0.75));
}

void egg(Shape &shape, QPointF centre, double size)
{
    const Frame f{centre, size};
    QPainterPath body;
    body.moveTo(f(0, -0.50));
    body.cubicTo(f(0.26, -0.50), f(0.38, -0.06), f(0.38, 0.12));
    body.cubicTo(f(0.38, 0.36), f(0.20, 0.50), f(0, 0.50));
    body.cubicTo(f(-0.20, 0.50), f(-0.38, 0.36), f(-0.38, 0.12));
    body.cubicTo(f(-0.38, -0.06), f(-0.26, -0.50), f(0, -0.50));
    body.closeSubpath();
    shape.fillAndStroke(body, Rgba::hex(0xFFF1D6), outlineFor(size), Rgba::hex(0xC9A27E));
    shape.fill(ellipse(f(-0.16, -0.16), size * 0.05, size * 0.10), colour::white);
    for (const QPointF p : {f(0.14, 0.10), f(0.04, 0.30), f(-0.18, 0.22), f(0.20, -0.12)})
        shape.fill(circle(p, size * 0.02), Rgba::hex(0xD9B48F));
}

void duckling(Shape &shape, QPointF centre, double size)
{
    const Frame f{centre, size};
    const double line = outlineFor(size);
    const Rgba edge = Rgba::hex(0xE0A000);
    QPainterPath water;
    water.moveTo(f(-0.56, 0.34));
    for (int i = 0; i < 4; ++i)
        water.quadTo(f(-0.42 + 0.28 * i, 0.26), f(-0.28 + 0.28 * i, 0.34));
    water.lineTo(f(0.56, 0.50));
    water.lineTo(f(-0.56, 0.50));
    water.closeSubpath();
    QPainterPath body;
    body.moveTo(f(-0.48, -0.14)); // the tail's tip
    body.cubicTo(f(-0.46, 0.30), f(0.28, 0.40), f(0.40, 0.08));
    body.cubicTo(f(0.44, -0.06), f(0.24, -0.02), f(0.06, 0.00));
    body.cubicTo(f(-0.16, 0.02), f(-0.32, 0.02), f(-0.48, -0.14));
    body.closeSubpath();
    shape.fillAndStroke(body, colour::yellow, line, edge);
    shape.fillAndStroke(circle(f(0.18, -0.20), size * 0.17), colour::yellow, line, edge);
    QPainterPath beak;
    beak.moveTo(f(0.32, -0.20));
    beak.quadTo(f(0.48, -0.22), f(0.50, -0.14));
    beak.quadTo(f(0.42, -0.10), f(0.32, -0.12));
    beak.closeSubpath();
    shape.fillAndStroke(beak, colour::orange, line * 0.8, darker(colour::orange, 0.3));
    shape.fill(circle(f(0.22, -0.25), size * 0.03), colour::ink);
    shape.fill(ellipse(f(0.20, -0.15), size * 0.04, size * 0.025), Rgba::hex(0xFFAB91));
    QPainterPath wing;
    wing.moveTo(f(-0.20, 0.06));
    wing.quadTo(f(-0.04, 0.20), f(0.12, 0.08));
    shape.stroke(wing, line, edge);
    shape.fill(water, Rgba{100, 181, 246, 200});
}

void flower(Shape &shape, QPointF centre, double size, Rgba petals)
{
    const double r = size * 0.18;
    for (int i = 0; i < 5; ++i) {
        const double a = qDegreesToRadians(-90.0 + 72.0 * i);
        shape.fill(circle(centre + QPointF(std::cos(a), std::sin(a)) * size * 0.26, r), petals);
    }
    shape.fill(circle(centre, size * 0.15), colour::yellow);
}

void pencilLying(Shape &shape, QPointF leftCentre, double length, double thickness, Rgba body)
{
    const double h = thickness / 2;
    const double x0 = leftCentre.x();
    const double y = leftCentre.y();
    const double eraser = thickness * 0.8;
    const double band = thickness * 0.35;
    const double cone = thickness * 1.1;
    const double lead = cone * 0.38;
    const double line = std::max(2.0, thickness * 0.06);
    const Rgba edge = darker(body, 0.4);
    shape.fillAndStroke(roundedRect(QRectF(x0, y - h, eraser + 4, thickness), h * 0.5), colour::pink, line, darker(colour::pink, 0.35));
    QPainterPath wood;
    const double bodyEnd = x0 + length - cone;
    wood.moveTo(bodyEnd, y - h);
    wood.lineTo(x0 + length, y);
    wood.lineTo(bodyEnd, y + h);
    wood.closeSubpath();
    shape.fillAndStroke(wood, Rgba::hex(0xF3C98B), line, Rgba::hex(0xA87B45));
    QPainterPath point;
    point.moveTo(x0 + length - lead, y - h * lead / cone);
    point.lineTo(x0 + length, y);
    point.lineTo(x0 + length - lead, y + h * lead / cone);
    point.closeSubpath();
    shape.fill(point, colour::ink);
    QPainterPath barrel;
    barrel.addRect(QRectF(x0 + eraser + band, y - h, bodyEnd - x0 - eraser - band, thickness));
    shape.fillAndStroke(barrel, body, line, edge);
    QPainterPath stripe;
    stripe.addRect(QRectF(x0 + eraser + band, y - h * 0.25, bodyEnd - x0 - eraser - band, h * 0.5));
    shape.fill(stripe, lighter(body, 0.35));
    shape.fillAndStroke(roundedRect(QRectF(x0 + eraser, y - h * 1.05, band, thickness * 1.05), 2), Rgba::hex(0xB0BEC5), line, Rgba::hex(0x78909C));
}

void pencilStanding(Shape &shape, QPointF centre, double size)
{
    Shape lying;
    pencilLying(lying, QPointF(-size / 2, 0), size, size * 0.16, colour::blue);
    shape.add(lying.transformed(QTransform::fromTranslate(centre.x(), centre.y()).rotate(90)));
}

void ear(Shape &shape, QPointF centre, double size)
{
    const Frame f{centre, size};
    const double line = outlineFor(size);
    const Rgba skin = Rgba::hex(0xFFCCBC), edge = Rgba::hex(0xD08770);
    QPainterPath outer;
    outer.moveTo(f(-0.20, -0.30));
    outer.cubicTo(f(-0.16, -0.56), f(0.34, -0.58), f(0.34, -0.16));
    outer.cubicTo(f(0.34, 0.10), f(0.12, 0.16), f(0.10, 0.32));
    outer.cubicTo(f(0.08, 0.50), f(-0.14, 0.54), f(-0.22, 0.38));
    outer.cubicTo(f(-0.10, 0.36), f(-0.06, 0.24), f(-0.06, 0.14));
    outer.cubicTo(f(-0.06, -0.02), f(-0.24, -0.12), f(-0.20, -0.30));
    outer.closeSubpath();
    shape.fillAndStroke(outer, skin, line, edge);
    QPainterPath inner;
    inner.moveTo(f(-0.08, -0.24));
    inner.cubicTo(f(-0.04, -0.40), f(0.22, -0.38), f(0.20, -0.14));
    inner.cubicTo(f(0.18, 0.02), f(0.02, 0.04), f(0.02, 0.18));
    shape.stroke(inner, line * 2.2, edge);
    // Sound waves coming to the ear.
    for (int i = 0; i < 3; ++i)
        shape.stroke(arc(f(-0.40, 0.02), size * (0.08 + 0.07 * i), size * (0.10 + 0.09 * i), 130, 100),
                     line * 1.4, colour::blue);
}

void flag(Shape &shape, QPointF centre, double size)
{
    const Frame f{centre, size};
    const double line = outlineFor(size);
    shape.fillAndStroke(roundedRect(QRectF(f(-0.30, -0.46), QSizeF(size * 0.06, size * 0.96)), size * 0.02),
                        colour::brown, line, darker(colour::brown, 0.3));
    shape.fill(circle(f(-0.27, -0.47), size * 0.05), colour::gold);
    QPainterPath cloth;
    cloth.moveTo(f(-0.24, -0.42));
    cloth.cubicTo(f(-0.04, -0.50), f(0.16, -0.32), f(0.40, -0.40));
    cloth.lineTo(f(0.34, -0.10));
    cloth.cubicTo(f(0.12, -0.02), f(-0.04, -0.20), f(-0.24, -0.12));
    cloth.closeSubpath();
    shape.fillAndStroke(cloth, colour::red, line, darker(colour::red, 0.35));
    shape.fill(star(f(-0.10, -0.28), size * 0.06, size * 0.025), colour::yellow);
    // Wind lines.
    for (int i = 0; i < 3; ++i) {
        QPainterPath wind;
        wind.moveTo(f(0.14, 0.04 + 0.10 * i));
        wind.quadTo(f(0.30, 0.0 + 0.10 * i), f(0.44, 0.06 + 0.10 * i));
        shape.stroke(wind, line * 1.2, lighter(colour::blue, 0.3));
    }
}

void scaleHook(Shape &shape, QPointF centre, double size)
{
    const Frame f{centre, size};
    const double line = outlineFor(size);
    const Rgba steel = Rgba::hex(0x78909C);
    QPainterPath beam;
    beam.moveTo(f(-0.46, -0.40));
    beam.lineTo(f(0.40, -0.44));
    shape.stroke(beam, size * 0.04, colour::brown);
    for (int i = 0; i < 6; ++i)
        shape.fill(circle(f(-0.30 + 0.12 * i, -0.415 - 0.005 * i), size * 0.012), colour::gold);
    QPainterPath hook;
    hook.moveTo(f(-0.30, -0.40));
    hook.lineTo(f(-0.30, -0.06));
    hook.cubicTo(f(-0.30, 0.10), f(-0.08, 0.10), f(-0.08, -0.04));
    shape.stroke(hook, size * 0.045, steel);
    QPainterPath cord;
    cord.moveTo(f(0.32, -0.43));
    cord.lineTo(f(0.32, -0.22));
    shape.stroke(cord, line, colour::grey);
    shape.fillAndStroke(roundedRect(QRectF(f(0.25, -0.22), QSizeF(size * 0.14, size * 0.14)), size * 0.02), Rgba::hex(0x546E7A), line, Rgba::hex(0x37474F));
    // A cabbage hanging on the hook.
    QPainterPath string;
    string.moveTo(f(-0.19, 0.06));
    string.lineTo(f(-0.19, 0.16));
    shape.stroke(string, line, colour::brown);
    shape.fillAndStroke(circle(f(-0.19, 0.32), size * 0.17), colour::leaf, line, darker(colour::leaf, 0.35));
    for (const double dx : {-0.07, 0.0, 0.07}) {
        QPainterPath vein;
        vein.moveTo(f(-0.19 + dx * 0.3, 0.18));
        vein.quadTo(f(-0.19 + dx * 1.6, 0.30), f(-0.19 + dx, 0.46));
        shape.stroke(vein, line, darker(colour::leaf, 0.25));
    }
}

void whistle(Shape &shape, QPointF centre, double size)
{
    const Frame f{centre, size};
    const double line = outlineFor(size);
    const Rgba body = colour::orange, edge = darker(colour::orange, 0.35);
    QPainterPath mouth;
    mouth.addRect(QRectF(f(-0.04, -0.34), QSizeF(size * 0.44, size * 0.18)));
    shape.fillAndStroke(mouth, body, line, edge);
    shape.fillAndStroke(circle(f(-0.10, 0.06), size * 0.30), body, line, edge);
    shape.fill(circle(f(-0.10, 0.06), size * 0.12), lighter(body, 0.6));
    shape.fill(ellipse(f(-0.22, -0.06), size * 0.05, size * 0.08), lighter(body, 0.5));
    QPainterPath ring;
    ring.addEllipse(f(-0.34, -0.30), size * 0.07, size * 0.07);
    shape.stroke(ring, line * 1.4, colour::grey);
    QPainterPath cord;
    cord.moveTo(f(-0.40, -0.26));
    cord.cubicTo(f(-0.50, 0.10), f(-0.40, 0.40), f(-0.30, 0.48));
    shape.stroke(cord, line * 1.2, colour::red);
    // "嘀" notes flying out.
    for (int i = 0; i < 3; ++i)
        shape.fill(circle(f(0.44 + 0.02 * i, -0.40 + 0.14 * i), size * 0.03), colour::blue);
}

void sickle(Shape &shape, QPointF centre, double size)
{
    const Frame f{centre, size};
    const double line = outlineFor(size);
    QPainterPath blade;
    blade.moveTo(f(-0.16, -0.10));
    blade.cubicTo(f(-0.20, -0.44), f(0.30, -0.56), f(0.42, -0.26));
    blade.cubicTo(f(0.22, -0.42), f(-0.04, -0.34), f(-0.06, -0.08));
    blade.closeSubpath();
    shape.fillAndStroke(blade, Rgba::hex(0xCFD8DC), line, Rgba::hex(0x607D8B));
    QPainterPath handle;
    handle.moveTo(f(-0.11, -0.10));
    handle.lineTo(f(-0.02, 0.46));
    shape.stroke(handle, size * 0.09, Rgba::hex(0xA1887F));
    shape.stroke(handle, size * 0.03, Rgba::hex(0xBCAAA4));
    // Grass beside it.
    for (int i = 0; i < 4; ++i) {
        QPainterPath blade2;
        const double x = 0.16 + 0.08 * i;
        blade2.moveTo(f(x, 0.48));
        blade2.quadTo(f(x - 0.02, 0.30), f(x + 0.04 * (i % 2 ? 1 : -1), 0.14 + 0.03 * i));
        shape.stroke(blade2, line * 1.6, colour::green);
    }
}

void gourd(Shape &shape, QPointF centre, double size)
{
    const Frame f{centre, size};
    const double line = outlineFor(size);
    const Rgba body = Rgba::hex(0xC0CA33), edge = darker(body, 0.35);
    QPainterPath stem;
    stem.moveTo(f(0, -0.30));
    stem.quadTo(f(0.02, -0.42), f(0.08, -0.48));
    shape.stroke(stem, size * 0.04, colour::brown);
    QPainterPath leafPath;
    leafPath.moveTo(f(0.04, -0.42));
    leafPath.cubicTo(f(0.14, -0.58), f(0.34, -0.54), f(0.38, -0.46));
    leafPath.cubicTo(f(0.28, -0.36), f(0.12, -0.36), f(0.04, -0.42));
    leafPath.closeSubpath();
    shape.fillAndStroke(leafPath, colour::leaf, line * 0.8, darker(colour::leaf, 0.35));
    shape.fillAndStroke(circle(f(0, 0.20), size * 0.28), body, line, edge);
    shape.fillAndStroke(circle(f(0, -0.18), size * 0.17), body, line, edge);
    shape.fill(roundedRect(QRectF(f(-0.10, -0.06), QSizeF(size * 0.20, size * 0.06)), size * 0.02), body);
    shape.fill(ellipse(f(-0.12, 0.10), size * 0.05, size * 0.09), lighter(body, 0.5));
    shape.fill(ellipse(f(-0.07, -0.22), size * 0.03, size * 0.05), lighter(body, 0.5));
}

void spoon(Shape &shape, QPointF centre, double size)
{
    const Frame f{centre, size};
    const double line = outlineFor(size);
    const Rgba metal = Rgba::hex(0x90CAF9), edge = Rgba::hex(0x1E88E5);
    QPainterPath handle;
    handle.moveTo(f(0.16, -0.10));
    handle.cubicTo(f(0.20, 0.12), f(0.10, 0.32), f(0.04, 0.48));
    shape.stroke(handle, size * 0.13, edge);
    shape.stroke(handle, size * 0.08, metal);
    shape.fillAndStroke(ellipse(f(-0.02, -0.24), size * 0.28, size * 0.24), metal, line * 1.4, edge);
    shape.fill(ellipse(f(-0.02, -0.22), size * 0.21, size * 0.17), Rgba::hex(0xFFF8E1));
    // Rice in the bowl of the spoon.
    for (const QPointF p : {f(-0.10, -0.26), f(0.02, -0.30), f(0.08, -0.20), f(-0.04, -0.16), f(-0.14, -0.18), f(0.10, -0.28)})
        shape.fillAndStroke(ellipse(p, size * 0.03, size * 0.018), colour::white, line * 0.5, Rgba::hex(0xD7CCC8));
}

void figure(Shape &shape, const QString &name, QPointF centre, double size, Rgba fill)
{
    QPainterPath p;
    if (name == u"circle"_s)
        p = circle(centre, size * 0.45);
    else if (name == u"star"_s)
        p = star(centre + QPointF(0, size * 0.04), size * 0.52, size * 0.23);
    else if (name == u"triangle"_s)
        p = triangle(centre, size);
    else if (name == u"square"_s)
        p = square(centre, size);
    else if (name == u"heart"_s)
        p = heart(centre, size);
    else if (name == u"diamond"_s)
        p = diamond(centre, size);
    else
        throw swf::WriteError("unknown figure " + name.toStdString());
    shape.fillAndStroke(p, fill, outlineFor(size) * 1.5, darker(fill, 0.35));
}

void numberDisc(Shape &shape, int number, QPointF centre, double radius, Rgba disc)
{
    shape.fillAndStroke(circle(centre, radius), disc, std::max(3.0, radius * 0.07), darker(disc, 0.3));
    shape.fill(ellipse(centre + QPointF(-radius * 0.35, -radius * 0.45), radius * 0.25, radius * 0.14), lighter(disc, 0.35));
    stickerText(shape, QString::number(number), int(radius * 1.25), centre, colour::white, darker(disc, 0.35), radius * 0.12);
}

void smileyFace(Shape &shape, QPointF centre, double radius)
{
    const Frame f{centre, radius};
    shape.fillAndStroke(circle(centre, radius), colour::yellow, radius * 0.06, colour::orange);
    shape.fill(ellipse(f(-0.55, 0.22), radius * 0.16, radius * 0.10), Rgba::hex(0xFFAB91));
    shape.fill(ellipse(f(0.55, 0.22), radius * 0.16, radius * 0.10), Rgba::hex(0xFFAB91));
    for (const double x : {-0.32, 0.32}) {
        shape.fill(ellipse(f(x, -0.22), radius * 0.10, radius * 0.15), colour::ink);
        shape.fill(circle(f(x + 0.03, -0.28), radius * 0.04), colour::white);
    }
    QPainterPath mouth;
    mouth.moveTo(f(-0.46, 0.10));
    mouth.cubicTo(f(-0.20, 0.18), f(0.20, 0.18), f(0.46, 0.10));
    mouth.cubicTo(f(0.40, 0.72), f(-0.40, 0.72), f(-0.46, 0.10));
    mouth.closeSubpath();
    shape.fillAndStroke(mouth, Rgba::hex(0xB71C1C), radius * 0.04, Rgba::hex(0x7F1010));
    shape.fill(ellipse(f(0, 0.44), radius * 0.17, radius * 0.08), Rgba::hex(0xFF8A80));
}

void encouragingFace(Shape &shape, QPointF centre, double radius)
{
    const Frame f{centre, radius};
    shape.fillAndStroke(circle(centre, radius), Rgba::hex(0xFFE082), radius * 0.06, Rgba::hex(0xF4A300));
    shape.fill(ellipse(f(-0.55, 0.25), radius * 0.15, radius * 0.09), Rgba::hex(0xFFAB91));
    shape.fill(ellipse(f(0.55, 0.25), radius * 0.15, radius * 0.09), Rgba::hex(0xFFAB91));
    for (const double x : {-0.32, 0.32}) {
        shape.fill(circle(f(x, -0.12), radius * 0.10), colour::ink);
        shape.fill(circle(f(x + 0.03, -0.16), radius * 0.035), colour::white);
        shape.stroke(arc(f(x, -0.34), radius * 0.16, radius * 0.08, 200, 140), radius * 0.06, colour::brown);
    }
    shape.stroke(arc(f(0, 0.22), radius * 0.22, radius * 0.14, 20, 140), radius * 0.07, Rgba::hex(0x8D4B2A));
}

void sunDisc(Shape &shape, QPointF centre, double radius)
{
    const Frame f{centre, radius};
    shape.fill(circle(centre, radius * 1.18), Rgba{255, 224, 130, 90});
    shape.fillAndStroke(circle(centre, radius), Rgba::hex(0xFFD54F), radius * 0.05, Rgba::hex(0xFFA000));
    shape.fill(ellipse(f(-0.50, 0.22), radius * 0.14, radius * 0.09), Rgba::hex(0xFFAB91));
    shape.fill(ellipse(f(0.50, 0.22), radius * 0.14, radius * 0.09), Rgba::hex(0xFFAB91));
    for (const double x : {-0.30, 0.30})
        shape.stroke(arc(f(x, -0.10), radius * 0.14, radius * 0.10, 200, 140), radius * 0.06, Rgba::hex(0x8D4B2A));
    shape.stroke(arc(f(0, 0.18), radius * 0.26, radius * 0.18, 20, 140), radius * 0.06, Rgba::hex(0x8D4B2A));
}

void sunRays(Shape &shape, QPointF centre, double inner, double outer, int rays)
{
    QPainterPath p;
    for (int i = 0; i < rays; ++i) {
        const double a = 2 * M_PI * i / rays;
        const double w = M_PI / rays * 0.45;
        p.moveTo(centre + QPointF(std::cos(a - w), std::sin(a - w)) * inner);
        p.lineTo(centre + QPointF(std::cos(a), std::sin(a)) * outer);
        p.lineTo(centre + QPointF(std::cos(a + w), std::sin(a + w)) * inner);
        p.closeSubpath();
    }
    shape.fillAndStroke(p, Rgba::hex(0xFFCA28), 4, Rgba::hex(0xFFB300));
}

void cloud(Shape &shape, QPointF centre, double width, Rgba fill)
{
    const Frame f{centre, width};
    shape.fill(roundedRect(QRectF(f(-0.45, -0.02), QSizeF(width * 0.9, width * 0.2)), width * 0.1), fill);
    shape.fill(circle(f(-0.22, -0.02), width * 0.17), fill);
    shape.fill(circle(f(0.04, -0.12), width * 0.23), fill);
    shape.fill(circle(f(0.28, -0.02), width * 0.15), fill);
}

} // namespace abacolo::movies
