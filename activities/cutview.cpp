#include "activities/cutview.h"

#include "activities/shapedrawing.h"
#include "activities/stagepalette.h"

#include <QMouseEvent>
#include <QPainter>

namespace abacolo {

namespace {

// How far from a line a click still means it, and how far lines reach past the shape.
constexpr double HitDistance = 26;
constexpr double Overhang = 28;
const QColor OtherHalfColour(255, 202, 40);
const QColor LineColour(255, 255, 255);

} // namespace

CutView::CutView(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
}

void CutView::setCut(ShapeKind shape, const QList<CutLine> &lines)
{
    m_shape = shape;
    m_lines = lines;
    m_marked = -1;
    update();
}

void CutView::setMarkedLine(int line)
{
    m_marked = line;
    update();
}

QRectF CutView::shapeBounds() const
{
    const QRectF box = QRectF(rect()).adjusted(Overhang + 6, Overhang + 6, -Overhang - 6, -Overhang - 6);
    return shapePath(m_shape, box).boundingRect();
}

QLineF CutView::lineGeometry(int i) const
{
    const CutLine &cut = m_lines.at(i);
    const QRectF bounds = shapeBounds();
    if (cut.orientation == Qt::Vertical) {
        const double x = bounds.left() + bounds.width() * cut.at;
        return {x, bounds.top() - Overhang, x, bounds.bottom() + Overhang};
    }
    const double y = bounds.top() + bounds.height() * cut.at;
    return {bounds.left() - Overhang, y, bounds.right() + Overhang, y};
}

QPoint CutView::pointOnLine(int i) const
{
    const QLineF line = lineGeometry(i);
    // A third of the way along: away from where an upright and a level line cross.
    return line.pointAt(0.3).toPoint();
}

int CutView::lineAt(const QPointF &at) const
{
    int nearest = -1;
    double best = HitDistance;
    for (int i = 0; i < m_lines.size(); ++i) {
        const double distance = distanceToSegment(at, lineGeometry(i));
        if (distance <= best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

void CutView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(Overhang + 6, Overhang + 6, -Overhang - 6, -Overhang - 6);
    const QPainterPath shape = shapePath(m_shape, box);
    painter.setPen(QPen(StagePalette::Blue.lighter(150), 3));
    painter.setBrush(StagePalette::Blue);
    painter.drawPath(shape);

    // A marked line that halves the shape shows the two halves in two colours.
    if (m_marked >= 0 && m_lines.at(m_marked).halves()) {
        const QRectF bounds = shapeBounds();
        QRectF half = bounds;
        if (m_lines.at(m_marked).orientation == Qt::Vertical)
            half.setLeft(bounds.center().x());
        else
            half.setTop(bounds.center().y());
        QPainterPath halfPath;
        halfPath.addRect(half);
        painter.setPen(Qt::NoPen);
        painter.setBrush(OtherHalfColour);
        painter.drawPath(shape.intersected(halfPath));
    }

    for (int i = 0; i < m_lines.size(); ++i) {
        const bool marked = i == m_marked;
        QPen pen(marked ? StagePalette::Mark : LineColour, marked ? 9 : 5, Qt::DashLine, Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(lineGeometry(i));
    }
}

void CutView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int line = lineAt(event->position());
    if (line >= 0)
        Q_EMIT lineClicked(line);
}

} // namespace abacolo
