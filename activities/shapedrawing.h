#pragma once

#include "activities/shapesrules.h"

#include <QLineF>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace abacolo {

// The outline of a shape standing upright in `box`, centred, as large as its kind allows.
QPainterPath shapePath(ShapeKind kind, const QRectF &box);

// Paints a shape filled in its colour with a light edge, scaled and turned about the box's
// centre.
void paintShape(QPainter &painter, const ShapeItem &item, const QRectF &box);

// How far `point` lies from the segment `line`: how near a press is to a clock hand or a cut.
double distanceToSegment(const QPointF &point, const QLineF &line);

} // namespace abacolo
