#include "tools/swf/text.h"

#include "tools/swf/movie.h"

#include <QFontInfo>

#include <cmath>
#include <vector>

namespace abacolo::swf {

namespace {

std::vector<QPainterPath> subpathsOf(const QPainterPath &path)
{
    std::vector<QPainterPath> result;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            result.emplace_back(QPointF(e));
        } else if (e.isLineTo()) {
            result.back().lineTo(QPointF(e));
        } else if (e.isCurveTo()) {
            result.back().cubicTo(QPointF(e), QPointF(path.elementAt(i + 1)), QPointF(path.elementAt(i + 2)));
            i += 2;
        }
    }
    return result;
}

double signedArea(const QPainterPath &subpath)
{
    double area = 0.0;
    for (const QPolygonF &polygon : subpath.toSubpathPolygons())
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            const QPointF a = polygon[i];
            const QPointF b = polygon[(i + 1) % polygon.size()];
            area += a.x() * b.y() - b.x() * a.y();
        }
    return area / 2.0;
}

// Whether filling by the even-odd rule could differ from the font's own non-zero rule:
// two contours cross, or one lies inside another turning the same way. (A contour inside
// another turning the other way is an ordinary hole.)
bool needsMerging(const QPainterPath &path)
{
    const std::vector<QPainterPath> parts = subpathsOf(path);
    std::vector<QRectF> bounds;
    std::vector<double> areas;
    for (const QPainterPath &p : parts) {
        bounds.push_back(p.boundingRect());
        areas.push_back(signedArea(p));
    }
    for (std::size_t i = 0; i < parts.size(); ++i)
        for (std::size_t j = i + 1; j < parts.size(); ++j) {
            if (!bounds[i].intersects(bounds[j]) || !parts[i].intersects(parts[j]))
                continue;
            const bool nested = parts[i].contains(parts[j]) || parts[j].contains(parts[i]);
            if (!nested || (areas[i] > 0) == (areas[j] > 0))
                return true;
        }
    return false;
}

} // namespace

QFont movieFont(int pixelSize, bool bold)
{
    const QString family = QString::fromUtf16(kMovieFontFamily);
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setKerning(true);
    if (QFontInfo(font).family() != family)
        throw WriteError("the font \"" + family.toStdString() + "\" is not installed");
    return font;
}

QPainterPath textPath(const QString &text, const QFont &font)
{
    QPainterPath path;
    path.addText(QPointF(0, 0), font, text);
    if (needsMerging(path))
        path = path.simplified();
    return path;
}

QPainterPath textPathCentredAt(const QString &text, const QFont &font, QPointF centre)
{
    const QPainterPath path = textPath(text, font);
    return path.translated(centre - path.boundingRect().center());
}

} // namespace abacolo::swf
