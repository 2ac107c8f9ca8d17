#pragma once

#include "tools/swf/bitwriter.h"

#include <QPainterPath>
#include <QPoint>
#include <QRectF>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

class QPainter;

namespace abacolo::swf {

// One edge of an outline, in whole twips: a straight line to `anchor`, or a quadratic curve
// bending towards `control` and ending at `anchor`.
struct Edge
{
    bool curved = false;
    QPoint control;
    QPoint anchor;
};

struct Contour
{
    QPoint start;
    std::vector<Edge> edges;

    QPoint end() const { return edges.empty() ? start : edges.back().anchor; }
};

// Appends quadratic pieces (control point, end point) that follow the cubic curve
// p0-c1-c2-p3 to within `tolerance` (in the points' unit).
void appendCubicAsQuadratics(QPointF p0, QPointF c1, QPointF c2, QPointF p3, double tolerance,
                             std::vector<std::pair<QPointF, QPointF>> &out);

// The outline of a path given in pixels as contours in twips: cubic curves become
// quadratic ones, zero-length edges are dropped and, with `closeContours`, each contour
// ends with a line back to its start.
std::vector<Contour> contoursOf(const QPainterPath &pixels, bool closeContours,
                                double toleranceTwips = 2.0);

struct LineStyle
{
    double width = 1.0; // pixels; lines have round caps and joins
    Rgba color;
};

enum class ShapeTag { Auto, DefineShape, DefineShape2, DefineShape3 };

// A vector drawing made of layers, each painted over the ones before: a path with a solid
// fill, a line, or both. Filled paths are filled by the even-odd rule, as movie players do.
// Empty paths add no layer.
class Shape
{
public:
    Shape &fill(const QPainterPath &path, Rgba color);
    Shape &stroke(const QPainterPath &path, double width, Rgba color);
    Shape &fillAndStroke(const QPainterPath &path, Rgba fill, double width, Rgba line);
    // Appends the layers of another drawing (painted over this one's).
    Shape &add(const Shape &other);

    Shape transformed(const QTransform &transform) const; // line widths stay as they are
    bool isEmpty() const { return m_layers.empty(); }
    int layerCount() const { return int(m_layers.size()); }
    QRectF bounds() const; // pixels, lines included

    // The smallest tag that can hold this drawing: one layer without alpha fits the first
    // tag, several layers need the second, alpha needs the third.
    ShapeTag smallestTag() const;
    // The body of a shape definition tag (character id, bounds, styles and records).
    QByteArray encode(std::uint16_t id, ShapeTag tag) const;

    // Paints the drawing as a player would (for previews).
    void paint(QPainter &painter) const;

private:
    struct Layer
    {
        QPainterPath path;
        std::optional<Rgba> fill;
        std::optional<LineStyle> line;
    };
    std::vector<Layer> m_layers;
};

} // namespace abacolo::swf
