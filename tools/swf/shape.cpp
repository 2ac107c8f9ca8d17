#include "tools/swf/shape.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace abacolo::swf {

namespace {

// An edge record holds deltas of at most 17 signed bits; longer edges are cut in pieces.
constexpr double kMaxDelta = 60000.0;

QPointF lerp(QPointF a, QPointF b, double t)
{
    return a + (b - a) * t;
}

double length(QPointF p)
{
    return std::hypot(p.x(), p.y());
}

// Builds contours in twips, rounding each absolute point so errors never add up.
class ContourBuilder
{
public:
    explicit ContourBuilder(bool close) : m_close(close) {}

    void moveTo(QPointF p)
    {
        finish();
        m_current = Contour{round(p), {}};
        m_last = p;
        m_open = true;
    }

    void lineTo(QPointF p)
    {
        if (!m_open)
            moveTo(m_last);
        const QPointF from = m_last;
        const double span = std::max(std::abs(p.x() - from.x()), std::abs(p.y() - from.y()));
        const int pieces = std::max(1, int(std::ceil(span / kMaxDelta)));
        for (int i = 1; i <= pieces; ++i)
            addLine(round(lerp(from, p, double(i) / pieces)));
        m_last = p;
    }

    void quadTo(QPointF c, QPointF p)
    {
        if (!m_open)
            moveTo(m_last);
        const QPointF from = m_last;
        const double span = std::max({std::abs(c.x() - from.x()), std::abs(c.y() - from.y()),
                                      std::abs(p.x() - c.x()), std::abs(p.y() - c.y())});
        if (span > kMaxDelta) {
            const QPointF c1 = lerp(from, c, 0.5);
            const QPointF c2 = lerp(c, p, 0.5);
            const QPointF mid = lerp(c1, c2, 0.5);
            quadTo(c1, mid);
            quadTo(c2, p);
            return;
        }
        const QPoint cr = round(c);
        const QPoint pr = round(p);
        const QPoint here = m_current.end();
        if (cr == here || cr == pr)
            addLine(pr); // a curve whose control point lies on an end is a straight line
        else
            m_current.edges.push_back(Edge{true, cr, pr});
        m_last = p;
    }

    std::vector<Contour> take()
    {
        finish();
        return std::move(m_contours);
    }

    QPointF last() const { return m_last; }

private:
    static QPoint round(QPointF p) { return {int(std::lround(p.x())), int(std::lround(p.y()))}; }

    void addLine(QPoint to)
    {
        if (to != m_current.end())
            m_current.edges.push_back(Edge{false, to, to});
    }

    void finish()
    {
        if (!m_open)
            return;
        if (m_close && m_current.end() != m_current.start)
            addLine(m_current.start);
        if (!m_current.edges.empty())
            m_contours.push_back(std::move(m_current));
        m_current = {};
        m_open = false;
    }

    bool m_close;
    bool m_open = false;
    QPointF m_last;
    Contour m_current;
    std::vector<Contour> m_contours;
};

int signedBits(std::int32_t v)
{
    return BitWriter::signedBits(v);
}

void writeEdge(BitWriter &w, QPoint from, const Edge &e)
{
    if (!e.curved) {
        const int dx = e.anchor.x() - from.x();
        const int dy = e.anchor.y() - from.y();
        w.ub(1, 1); // edge
        w.ub(1, 1); // straight
        if (dx != 0 && dy != 0) {
            const int bits = std::max({2, signedBits(dx), signedBits(dy)});
            w.ub(std::uint32_t(bits - 2), 4);
            w.ub(1, 1); // general line
            w.sb(dx, bits);
            w.sb(dy, bits);
        } else {
            const bool vertical = dx == 0;
            const int d = vertical ? dy : dx;
            const int bits = std::max(2, signedBits(d));
            w.ub(std::uint32_t(bits - 2), 4);
            w.ub(0, 1);
            w.ub(vertical ? 1 : 0, 1);
            w.sb(d, bits);
        }
        return;
    }
    const int deltas[] = {e.control.x() - from.x(), e.control.y() - from.y(),
                          e.anchor.x() - e.control.x(), e.anchor.y() - e.control.y()};
    int bits = 2;
    for (int d : deltas)
        bits = std::max(bits, signedBits(d));
    w.ub(1, 1); // edge
    w.ub(0, 1); // curved
    w.ub(std::uint32_t(bits - 2), 4);
    for (int d : deltas)
        w.sb(d, bits);
}

void writeStyles(BitWriter &w, ShapeTag tag, const std::optional<Rgba> &fill,
                 const std::optional<LineStyle> &line)
{
    const bool alpha = tag == ShapeTag::DefineShape3;
    w.u8(fill ? 1 : 0);
    if (fill) {
        w.u8(0x00); // solid fill
        alpha ? w.rgba(*fill) : w.rgb(*fill);
    }
    w.u8(line ? 1 : 0);
    if (line) {
        const int width = twips(line->width);
        if (width < 0 || width > 0xFFFF)
            throw std::range_error("line width out of range");
        w.u16(std::uint16_t(width));
        alpha ? w.rgba(line->color) : w.rgb(line->color);
    }
    // Every layer uses one bit for its fill and line indices: 0 (none) or 1.
    w.u8(0x11);
}

} // namespace

void appendCubicAsQuadratics(QPointF p0, QPointF c1, QPointF c2, QPointF p3, double tolerance,
                             std::vector<std::pair<QPointF, QPointF>> &out)
{
    // The distance between a cubic and the quadratic with control (3(c1 + c2) - p0 - p3) / 4
    // is at most sqrt(3) / 36 times |p3 - 3 c2 + 3 c1 - p0|; halve until that is small enough.
    struct Piece
    {
        QPointF p0, c1, c2, p3;
        int depth;
    };
    std::vector<Piece> stack{{p0, c1, c2, p3, 0}};
    while (!stack.empty()) {
        const Piece c = stack.back();
        stack.pop_back();
        const double error = length(c.p3 - 3.0 * c.c2 + 3.0 * c.c1 - c.p0) * std::sqrt(3.0) / 36.0;
        if (error <= tolerance || c.depth >= 16) {
            out.emplace_back((3.0 * (c.c1 + c.c2) - c.p0 - c.p3) / 4.0, c.p3);
            continue;
        }
        const QPointF ab = lerp(c.p0, c.c1, 0.5), bc = lerp(c.c1, c.c2, 0.5), cd = lerp(c.c2, c.p3, 0.5);
        const QPointF abc = lerp(ab, bc, 0.5), bcd = lerp(bc, cd, 0.5);
        const QPointF mid = lerp(abc, bcd, 0.5);
        // Second half first: the stack hands back the first half next.
        stack.push_back({mid, bcd, cd, c.p3, c.depth + 1});
        stack.push_back({c.p0, ab, abc, mid, c.depth + 1});
    }
}

std::vector<Contour> contoursOf(const QPainterPath &pixels, bool closeContours, double toleranceTwips)
{
    ContourBuilder builder(closeContours);
    const auto tw = [](const QPainterPath::Element &e) { return QPointF(e.x * 20.0, e.y * 20.0); };
    std::vector<std::pair<QPointF, QPointF>> quads;
    for (int i = 0; i < pixels.elementCount(); ++i) {
        const QPainterPath::Element e = pixels.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            builder.moveTo(tw(e));
            break;
        case QPainterPath::LineToElement:
            builder.lineTo(tw(e));
            break;
        case QPainterPath::CurveToElement: {
            if (i + 2 >= pixels.elementCount())
                throw std::invalid_argument("painter path ends inside a curve");
            const QPointF c1 = tw(e);
            const QPointF c2 = tw(pixels.elementAt(i + 1));
            const QPointF p3 = tw(pixels.elementAt(i + 2));
            i += 2;
            quads.clear();
            appendCubicAsQuadratics(builder.last(), c1, c2, p3, toleranceTwips, quads);
            for (const auto &[control, anchor] : quads)
                builder.quadTo(control, anchor);
            break;
        }
        case QPainterPath::CurveToDataElement:
            throw std::invalid_argument("stray curve data in painter path");
        }
    }
    return builder.take();
}

Shape &Shape::fill(const QPainterPath &path, Rgba color)
{
    if (path.isEmpty())
        return *this;
    m_layers.push_back({path, color, std::nullopt});
    return *this;
}

Shape &Shape::stroke(const QPainterPath &path, double width, Rgba color)
{
    if (path.isEmpty())
        return *this;
    m_layers.push_back({path, std::nullopt, LineStyle{width, color}});
    return *this;
}

Shape &Shape::fillAndStroke(const QPainterPath &path, Rgba fill, double width, Rgba line)
{
    if (path.isEmpty())
        return *this;
    m_layers.push_back({path, fill, LineStyle{width, line}});
    return *this;
}

Shape &Shape::add(const Shape &other)
{
    m_layers.insert(m_layers.end(), other.m_layers.begin(), other.m_layers.end());
    return *this;
}

Shape Shape::transformed(const QTransform &transform) const
{
    Shape result = *this;
    for (Layer &layer : result.m_layers)
        layer.path = transform.map(layer.path);
    return result;
}

QRectF Shape::bounds() const
{
    QRectF result;
    for (const Layer &layer : m_layers) {
        QRectF r = layer.path.controlPointRect();
        if (layer.line)
            r.adjust(-layer.line->width / 2, -layer.line->width / 2, layer.line->width / 2,
                     layer.line->width / 2);
        result = result.united(r);
    }
    return result;
}

ShapeTag Shape::smallestTag() const
{
    for (const Layer &layer : m_layers)
        if ((layer.fill && layer.fill->a != 255) || (layer.line && layer.line->color.a != 255))
            return ShapeTag::DefineShape3;
    return m_layers.size() > 1 ? ShapeTag::DefineShape2 : ShapeTag::DefineShape;
}

QByteArray Shape::encode(std::uint16_t id, ShapeTag tag) const
{
    if (tag == ShapeTag::Auto)
        tag = smallestTag();
    if (m_layers.empty())
        throw std::invalid_argument("a shape needs at least one layer");
    if (tag == ShapeTag::DefineShape && m_layers.size() > 1)
        throw std::invalid_argument("the first shape tag holds one layer only");
    if (tag != ShapeTag::DefineShape3 && smallestTag() == ShapeTag::DefineShape3)
        throw std::invalid_argument("colours with alpha need the third shape tag");

    std::vector<std::vector<Contour>> contours;
    int xMin = std::numeric_limits<int>::max(), yMin = xMin;
    int xMax = std::numeric_limits<int>::min(), yMax = xMax;
    for (const Layer &layer : m_layers) {
        contours.push_back(contoursOf(layer.path, layer.fill.has_value()));
        const int pad = layer.line ? (twips(layer.line->width) + 1) / 2 : 0;
        const auto grow = [&](QPoint p) {
            xMin = std::min(xMin, p.x() - pad);
            xMax = std::max(xMax, p.x() + pad);
            yMin = std::min(yMin, p.y() - pad);
            yMax = std::max(yMax, p.y() + pad);
        };
        for (const Contour &c : contours.back()) {
            grow(c.start);
            for (const Edge &e : c.edges) {
                grow(e.control);
                grow(e.anchor);
            }
        }
    }
    if (xMin > xMax)
        xMin = xMax = yMin = yMax = 0;

    BitWriter w;
    w.u16(id);
    w.rect(xMin, xMax, yMin, yMax);
    writeStyles(w, tag, m_layers.front().fill, m_layers.front().line);
    for (std::size_t i = 0; i < m_layers.size(); ++i) {
        const Layer &layer = m_layers[i];
        if (i > 0) {
            // A record that only brings the next layer's styles.
            w.ub(0, 1);
            w.ub(1, 1); // new styles
            w.ub(0, 4);
            writeStyles(w, tag, layer.fill, layer.line);
        }
        bool first = true;
        for (const Contour &c : contours[i]) {
            const int moveBits = std::max(signedBits(c.start.x()), signedBits(c.start.y()));
            w.ub(0, 1);
            w.ub(0, 1);                 // no new styles
            w.ub(first ? 1 : 0, 1);     // line style
            w.ub(first ? 1 : 0, 1);     // fill style 1
            w.ub(first ? 1 : 0, 1);     // fill style 0
            w.ub(1, 1);                 // move to
            w.ub(std::uint32_t(moveBits), 5);
            w.sb(c.start.x(), moveBits);
            w.sb(c.start.y(), moveBits);
            if (first) {
                w.ub(layer.fill ? 1 : 0, 1); // fill style 0
                w.ub(0, 1);                  // fill style 1
                w.ub(layer.line ? 1 : 0, 1); // line style
                first = false;
            }
            QPoint at = c.start;
            for (const Edge &e : c.edges) {
                writeEdge(w, at, e);
                at = e.anchor;
            }
        }
    }
    w.ub(0, 6); // end of shape
    return w.data();
}

void Shape::paint(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Layer &layer : m_layers) {
        if (layer.fill) {
            QPainterPath path = layer.path;
            path.setFillRule(Qt::OddEvenFill);
            painter.fillPath(path, QColor(layer.fill->r, layer.fill->g, layer.fill->b, layer.fill->a));
        }
        if (layer.line) {
            const Rgba c = layer.line->color;
            painter.strokePath(layer.path, QPen(QColor(c.r, c.g, c.b, c.a), layer.line->width,
                                                Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }
    }
    painter.restore();
}

} // namespace abacolo::swf
