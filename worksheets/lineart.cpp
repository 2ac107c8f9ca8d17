#include "worksheets/lineart.h"

#include "worksheets/sheetfont.h"

#include <QFontMetricsF>
#include <QTransform>
#include <cmath>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

// Every picture is designed in a unit square, y downwards.
QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath regular(int corners, qreal radius, qreal innerRadius = 0)
{
    QPainterPath path;
    const int points = innerRadius > 0 ? corners * 2 : corners;
    for (int i = 0; i < points; ++i) {
        const qreal r = (innerRadius > 0 && i % 2 == 1) ? innerRadius : radius;
        const qreal a = -M_PI / 2 + i * 2 * M_PI / points;
        const QPointF p(0.5 + r * std::cos(a), 0.52 + r * std::sin(a));
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath line(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &p : points) {
        first ? path.moveTo(p) : path.lineTo(p);
        first = false;
    }
    return path;
}

QPainterPath heart()
{
    QPainterPath path;
    path.moveTo(0.5, 0.3);
    path.cubicTo(0.42, 0.08, 0.05, 0.1, 0.08, 0.4);
    path.cubicTo(0.1, 0.6, 0.35, 0.75, 0.5, 0.92);
    path.cubicTo(0.65, 0.75, 0.9, 0.6, 0.92, 0.4);
    path.cubicTo(0.95, 0.1, 0.58, 0.08, 0.5, 0.3);
    return path;
}

QPainterPath apple()
{
    QPainterPath path;
    path.moveTo(0.5, 0.3);
    path.cubicTo(0.3, 0.15, 0.06, 0.3, 0.1, 0.56);
    path.cubicTo(0.14, 0.82, 0.35, 0.97, 0.5, 0.88);
    path.cubicTo(0.65, 0.97, 0.86, 0.82, 0.9, 0.56);
    path.cubicTo(0.94, 0.3, 0.7, 0.15, 0.5, 0.3);
    path.moveTo(0.5, 0.3);
    path.cubicTo(0.49, 0.2, 0.51, 0.12, 0.55, 0.06);
    path.moveTo(0.52, 0.19);
    path.cubicTo(0.58, 0.06, 0.74, 0.05, 0.82, 0.09);
    path.cubicTo(0.74, 0.2, 0.6, 0.23, 0.52, 0.19);
    return path;
}

QPainterPath fish()
{
    QPainterPath path;
    path.moveTo(0.1, 0.5);
    path.cubicTo(0.28, 0.2, 0.6, 0.2, 0.72, 0.5);
    path.cubicTo(0.6, 0.8, 0.28, 0.8, 0.1, 0.5);
    path.addPath(polygon({{0.72, 0.5}, {0.93, 0.3}, {0.87, 0.5}, {0.93, 0.7}}));
    path.addPath(ellipse({0.24, 0.45}, 0.035, 0.035));
    path.moveTo(0.38, 0.34);
    path.cubicTo(0.44, 0.44, 0.44, 0.56, 0.38, 0.66);
    path.moveTo(0.42, 0.29);
    path.cubicTo(0.47, 0.16, 0.6, 0.17, 0.63, 0.33);
    return path;
}

QPainterPath house()
{
    QPainterPath path;
    path.addRect(QRectF(0.18, 0.47, 0.64, 0.43));
    path.addPath(polygon({{0.08, 0.49}, {0.5, 0.12}, {0.92, 0.49}}));
    path.addRect(QRectF(0.64, 0.16, 0.09, 0.16));
    path.addRect(QRectF(0.45, 0.64, 0.16, 0.26));
    path.addRect(QRectF(0.25, 0.56, 0.13, 0.13));
    path.addPath(line({{0.315, 0.56}, {0.315, 0.69}}));
    path.addPath(line({{0.25, 0.625}, {0.38, 0.625}}));
    return path;
}

QPainterPath car()
{
    QPainterPath path = polygon({{0.06, 0.72}, {0.06, 0.54}, {0.24, 0.5}, {0.34, 0.32}, {0.68, 0.32},
                                 {0.8, 0.5}, {0.94, 0.55}, {0.94, 0.72}});
    path.addPath(polygon({{0.32, 0.5}, {0.38, 0.37}, {0.49, 0.37}, {0.49, 0.5}}));
    path.addPath(polygon({{0.54, 0.5}, {0.54, 0.37}, {0.65, 0.37}, {0.73, 0.5}}));
    path.addPath(ellipse({0.28, 0.73}, 0.09, 0.09));
    path.addPath(ellipse({0.72, 0.73}, 0.09, 0.09));
    path.addPath(ellipse({0.28, 0.73}, 0.035, 0.035));
    path.addPath(ellipse({0.72, 0.73}, 0.035, 0.035));
    return path;
}

QPainterPath flower()
{
    QPainterPath path;
    for (int i = 0; i < 6; ++i) {
        QTransform turn;
        turn.translate(0.5, 0.34);
        turn.rotate(i * 60);
        path.addPath(turn.map(ellipse({0, -0.15}, 0.08, 0.13)));
    }
    path = path.simplified();
    path.addPath(ellipse({0.5, 0.34}, 0.085, 0.085));
    path.moveTo(0.5, 0.56);
    path.cubicTo(0.48, 0.7, 0.52, 0.82, 0.5, 0.96);
    path.moveTo(0.5, 0.8);
    path.cubicTo(0.4, 0.68, 0.28, 0.7, 0.24, 0.74);
    path.cubicTo(0.3, 0.84, 0.44, 0.84, 0.5, 0.8);
    path.moveTo(0.5, 0.74);
    path.cubicTo(0.6, 0.62, 0.72, 0.64, 0.76, 0.68);
    path.cubicTo(0.7, 0.78, 0.56, 0.78, 0.5, 0.74);
    return path;
}

QPainterPath sun()
{
    QPainterPath path = ellipse({0.5, 0.5}, 0.24, 0.24);
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        const qreal side = 0.035;
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF across(-dir.y() * side, dir.x() * side);
        const QPointF base = QPointF(0.5, 0.5) + dir * 0.3;
        path.addPath(polygon({base + across, QPointF(0.5, 0.5) + dir * 0.45, base - across}));
    }
    path.addPath(ellipse({0.42, 0.45}, 0.025, 0.035));
    path.addPath(ellipse({0.58, 0.45}, 0.025, 0.035));
    path.moveTo(0.4, 0.56);
    path.cubicTo(0.45, 0.64, 0.55, 0.64, 0.6, 0.56);
    return path;
}

QPainterPath cat()
{
    QPainterPath head = ellipse({0.5, 0.56}, 0.32, 0.28);
    head = head.united(polygon({{0.22, 0.45}, {0.24, 0.14}, {0.42, 0.3}}));
    head = head.united(polygon({{0.78, 0.45}, {0.76, 0.14}, {0.58, 0.3}}));
    QPainterPath path = head;
    path.addPath(ellipse({0.38, 0.5}, 0.045, 0.06));
    path.addPath(ellipse({0.62, 0.5}, 0.045, 0.06));
    path.addPath(polygon({{0.46, 0.6}, {0.54, 0.6}, {0.5, 0.65}}));
    path.moveTo(0.5, 0.65);
    path.cubicTo(0.48, 0.71, 0.42, 0.72, 0.4, 0.68);
    path.moveTo(0.5, 0.65);
    path.cubicTo(0.52, 0.71, 0.58, 0.72, 0.6, 0.68);
    for (int side : {-1, 1}) {
        path.addPath(line({{0.5 + side * 0.12, 0.63}, {0.5 + side * 0.34, 0.58}}));
        path.addPath(line({{0.5 + side * 0.12, 0.66}, {0.5 + side * 0.34, 0.68}}));
    }
    return path;
}

QPainterPath tree()
{
    QPainterPath crown = ellipse({0.5, 0.3}, 0.2, 0.18);
    for (QPointF c : {QPointF(0.32, 0.45), QPointF(0.68, 0.45), QPointF(0.5, 0.52)})
        crown = crown.united(ellipse(c, 0.19, 0.16));
    QPainterPath trunk = polygon({{0.44, 0.62}, {0.56, 0.62}, {0.58, 0.94}, {0.42, 0.94}});
    QPainterPath path = crown.united(trunk);
    path.moveTo(0.5, 0.75);
    path.lineTo(0.56, 0.68);
    return path;
}

QPainterPath balloon()
{
    QPainterPath path;
    path.moveTo(0.5, 0.06);
    path.cubicTo(0.78, 0.06, 0.82, 0.36, 0.74, 0.48);
    path.cubicTo(0.66, 0.6, 0.56, 0.66, 0.5, 0.68);
    path.cubicTo(0.44, 0.66, 0.34, 0.6, 0.26, 0.48);
    path.cubicTo(0.18, 0.36, 0.22, 0.06, 0.5, 0.06);
    path.addPath(polygon({{0.5, 0.68}, {0.46, 0.73}, {0.54, 0.73}}));
    path.moveTo(0.5, 0.73);
    path.cubicTo(0.44, 0.8, 0.56, 0.87, 0.5, 0.96);
    path.moveTo(0.34, 0.26);
    path.cubicTo(0.36, 0.18, 0.4, 0.15, 0.44, 0.14);
    return path;
}

QPainterPath boat()
{
    QPainterPath path = polygon({{0.08, 0.64}, {0.92, 0.64}, {0.78, 0.8}, {0.22, 0.8}});
    path.addPath(line({{0.5, 0.64}, {0.5, 0.1}}));
    path.addPath(polygon({{0.53, 0.14}, {0.84, 0.58}, {0.53, 0.58}}));
    path.addPath(polygon({{0.47, 0.22}, {0.47, 0.58}, {0.22, 0.58}}));
    path.moveTo(0.06, 0.9);
    path.cubicTo(0.2, 0.84, 0.3, 0.96, 0.45, 0.9);
    path.cubicTo(0.6, 0.84, 0.7, 0.96, 0.94, 0.9);
    return path;
}

QPainterPath unitArt(Art art)
{
    switch (art) {
    case Art::Circle: return ellipse({0.5, 0.5}, 0.45, 0.45);
    case Art::Square: return polygon({{0.1, 0.1}, {0.9, 0.1}, {0.9, 0.9}, {0.1, 0.9}});
    case Art::Triangle: return polygon({{0.5, 0.08}, {0.94, 0.88}, {0.06, 0.88}});
    case Art::Rectangle: return polygon({{0.04, 0.26}, {0.96, 0.26}, {0.96, 0.74}, {0.04, 0.74}});
    case Art::Oval: return ellipse({0.5, 0.5}, 0.46, 0.3);
    case Art::Diamond: return polygon({{0.5, 0.04}, {0.84, 0.5}, {0.5, 0.96}, {0.16, 0.5}});
    case Art::Star: return regular(5, 0.47, 0.2);
    case Art::Heart: return heart();
    case Art::Pentagon: return regular(5, 0.46);
    case Art::Hexagon: return regular(6, 0.46);
    case Art::Semicircle: {
        QPainterPath path;
        path.moveTo(0.05, 0.72);
        path.arcTo(QRectF(0.05, 0.27, 0.9, 0.9), 180, -180);
        path.closeSubpath();
        return path;
    }
    case Art::Trapezoid: return polygon({{0.28, 0.24}, {0.72, 0.24}, {0.95, 0.76}, {0.05, 0.76}});
    case Art::Apple: return apple();
    case Art::Fish: return fish();
    case Art::House: return house();
    case Art::Car: return car();
    case Art::Flower: return flower();
    case Art::Sun: return sun();
    case Art::Cat: return cat();
    case Art::Tree: return tree();
    case Art::Balloon: return balloon();
    case Art::Boat: return boat();
    }
    return {};
}

// The unit square's picture, scaled into the largest square centred in `box`.
QTransform intoBox(const QRectF &box)
{
    const qreal side = qMin(box.width(), box.height());
    QTransform transform;
    transform.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    transform.scale(side, side);
    return transform;
}

// Strokes of the digits in the unit square, as taught: where the pencil goes down first.
QList<QPainterPath> unitDigitStrokes(int digit)
{
    QPainterPath a;
    switch (digit) {
    case 0:
        a.moveTo(0.5, 0.12);
        a.cubicTo(0.2, 0.12, 0.2, 0.88, 0.5, 0.88);
        a.cubicTo(0.8, 0.88, 0.8, 0.12, 0.5, 0.12);
        return {a};
    case 1:
        return {line({{0.52, 0.12}, {0.52, 0.88}})};
    case 2:
        a.moveTo(0.29, 0.3);
        a.cubicTo(0.31, 0.06, 0.72, 0.06, 0.71, 0.3);
        a.cubicTo(0.7, 0.46, 0.46, 0.6, 0.27, 0.88);
        a.lineTo(0.75, 0.88);
        return {a};
    case 3:
        a.moveTo(0.3, 0.2);
        a.cubicTo(0.44, 0.05, 0.76, 0.1, 0.68, 0.3);
        a.cubicTo(0.64, 0.42, 0.52, 0.47, 0.44, 0.48);
        a.cubicTo(0.7, 0.5, 0.78, 0.68, 0.67, 0.8);
        a.cubicTo(0.56, 0.92, 0.36, 0.9, 0.28, 0.8);
        return {a};
    case 4:
        return {line({{0.46, 0.12}, {0.24, 0.64}, {0.78, 0.64}}), line({{0.62, 0.12}, {0.62, 0.88}})};
    case 5:
        a.moveTo(0.34, 0.12);
        a.lineTo(0.31, 0.46);
        a.cubicTo(0.55, 0.33, 0.79, 0.45, 0.74, 0.66);
        a.cubicTo(0.7, 0.9, 0.4, 0.92, 0.28, 0.8);
        return {a, line({{0.34, 0.12}, {0.72, 0.12}})};
    case 6:
        a.moveTo(0.66, 0.14);
        a.cubicTo(0.4, 0.2, 0.25, 0.45, 0.27, 0.66);
        a.cubicTo(0.28, 0.92, 0.72, 0.92, 0.72, 0.67);
        a.cubicTo(0.72, 0.46, 0.38, 0.44, 0.28, 0.62);
        return {a};
    case 7:
        return {line({{0.27, 0.12}, {0.73, 0.12}, {0.43, 0.88}})};
    case 8:
        a.moveTo(0.68, 0.24);
        a.cubicTo(0.62, 0.06, 0.3, 0.07, 0.32, 0.27);
        a.cubicTo(0.34, 0.42, 0.72, 0.5, 0.73, 0.69);
        a.cubicTo(0.74, 0.93, 0.26, 0.93, 0.27, 0.69);
        a.cubicTo(0.28, 0.5, 0.66, 0.42, 0.68, 0.24);
        return {a};
    case 9:
        a.moveTo(0.7, 0.3);
        a.cubicTo(0.68, 0.06, 0.29, 0.07, 0.29, 0.3);
        a.cubicTo(0.29, 0.52, 0.68, 0.54, 0.7, 0.3);
        a.lineTo(0.64, 0.88);
        return {a};
    default:
        return {};
    }
}

} // namespace

QList<Art> shapeArts()
{
    return {Art::Circle, Art::Square, Art::Triangle, Art::Rectangle, Art::Oval, Art::Diamond,
            Art::Star, Art::Heart, Art::Pentagon, Art::Hexagon, Art::Semicircle, Art::Trapezoid};
}

QList<Art> objectArts()
{
    return {Art::Apple, Art::Fish, Art::House, Art::Car, Art::Flower, Art::Sun, Art::Cat,
            Art::Tree, Art::Balloon, Art::Boat};
}

QString artName(Art art)
{
    switch (art) {
    case Art::Circle: return u"圆形"_s;
    case Art::Square: return u"正方形"_s;
    case Art::Triangle: return u"三角形"_s;
    case Art::Rectangle: return u"长方形"_s;
    case Art::Oval: return u"椭圆形"_s;
    case Art::Diamond: return u"菱形"_s;
    case Art::Star: return u"五角星"_s;
    case Art::Heart: return u"心形"_s;
    case Art::Pentagon: return u"五边形"_s;
    case Art::Hexagon: return u"六边形"_s;
    case Art::Semicircle: return u"半圆形"_s;
    case Art::Trapezoid: return u"梯形"_s;
    case Art::Apple: return u"苹果"_s;
    case Art::Fish: return u"小鱼"_s;
    case Art::House: return u"房子"_s;
    case Art::Car: return u"汽车"_s;
    case Art::Flower: return u"花"_s;
    case Art::Sun: return u"太阳"_s;
    case Art::Cat: return u"小猫"_s;
    case Art::Tree: return u"树"_s;
    case Art::Balloon: return u"气球"_s;
    case Art::Boat: return u"小船"_s;
    }
    return {};
}

QPainterPath artPath(Art art, const QRectF &box)
{
    return intoBox(box).map(unitArt(art));
}

QPainterPath glyphPath(const QString &text, const QRectF &box)
{
    // Outlines at a large size, then scaled: the font's own shapes, sharp at any size.
    QPainterPath path;
    path.addText(0, 0, sheetFont(1000), text);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return path;
    const qreal scale = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

QList<QPainterPath> digitStrokes(int digit, const QRectF &box)
{
    QList<QPainterPath> strokes;
    const QTransform transform = intoBox(box);
    for (const QPainterPath &stroke : unitDigitStrokes(digit))
        strokes.append(transform.map(stroke));
    return strokes;
}

} // namespace abacolo
