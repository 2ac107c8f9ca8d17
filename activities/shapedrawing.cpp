#include "activities/shapedrawing.h"

#include <QPainter>
#include <QtMath>

namespace abacolo {

namespace {

// A regular polygon (or a star, with `inner` > 0) of `corners` points, one pointing up.
QPainterPath polygonPath(const QRectF &box, int corners, double inner = 0)
{
    const QPointF centre = box.center();
    const double radius = std::min(box.width(), box.height()) / 2;
    const int points = inner > 0 ? corners * 2 : corners;
    QPolygonF polygon;
    for (int i = 0; i < points; ++i) {
        const double r = (inner > 0 && i % 2 == 1) ? radius * inner : radius;
        const double angle = -M_PI / 2 + 2 * M_PI * i / points;
        polygon << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    // Centre the drawing's own bounds in the box: an odd polygon sits high otherwise.
    path.translate(centre - path.boundingRect().center());
    return path;
}

QRectF centred(const QRectF &box, double width, double height)
{
    return QRectF(box.center() - QPointF(width / 2, height / 2), QSizeF(width, height));
}

} // namespace

QPainterPath shapePath(ShapeKind kind, const QRectF &box)
{
    const double side = std::min(box.width(), box.height());
    QPainterPath path;
    switch (kind) {
    case ShapeKind::Circle:
        path.addEllipse(centred(box, side, side));
        break;
    case ShapeKind::Square:
        path.addRect(centred(box, side * 0.86, side * 0.86));
        break;
    case ShapeKind::Triangle: {
        const QRectF r = centred(box, side, side * 0.87);
        path.addPolygon(QPolygonF{QPointF(r.center().x(), r.top()), r.bottomRight(), r.bottomLeft()});
        path.closeSubpath();
        break;
    }
    case ShapeKind::Rectangle:
        path.addRect(centred(box, side, side * 0.58));
        break;
    case ShapeKind::Oval:
        path.addEllipse(centred(box, side, side * 0.62));
        break;
    case ShapeKind::Star:
        path = polygonPath(box, 5, 0.45);
        break;
    case ShapeKind::Diamond: {
        const QRectF r = centred(box, side * 0.66, side);
        path.addPolygon(QPolygonF{QPointF(r.center().x(), r.top()), QPointF(r.right(), r.center().y()),
                                  QPointF(r.center().x(), r.bottom()), QPointF(r.left(), r.center().y())});
        path.closeSubpath();
        break;
    }
    case ShapeKind::Pentagon:
        path = polygonPath(box, 5);
        break;
    case ShapeKind::Hexagon:
        path = polygonPath(box, 6);
        break;
    }
    return path;
}

double distanceToSegment(const QPointF &point, const QLineF &line)
{
    const QPointF along = line.p2() - line.p1();
    const double length2 = QPointF::dotProduct(along, along);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(point - line.p1(), along) / length2, 0.0, 1.0) : 0;
    return QLineF(point, line.p1() + t * along).length();
}

void paintShape(QPainter &painter, const ShapeItem &item, const QRectF &box)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center());
    painter.rotate(item.turn);
    const QSizeF size = box.size() * item.scale;
    const QRectF local(QPointF(-size.width() / 2, -size.height() / 2), size);
    painter.setPen(QPen(item.colour.lighter(150), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(item.colour);
    painter.drawPath(shapePath(item.kind, local));
    painter.restore();
}

} // namespace abacolo
