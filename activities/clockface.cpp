#include "activities/clockface.h"

#include "activities/clockrules.h"
#include "activities/shapedrawing.h"
#include "activities/stagepalette.h"
#include "toolkit/fonts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

// The hands stop short of the numbers, so that every number stays readable.
constexpr double MinuteHandLength = 0.64;
constexpr double HourHandLength = 0.42;
// How far from the long hand a press still takes it, in pixels.
constexpr double GrabDistance = 36;

} // namespace

ClockFace::ClockFace(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
}

void ClockFace::setTime(int sinceTwelve)
{
    m_sinceTwelve = ((sinceTwelve % 720) + 720) % 720;
    update();
}

void ClockFace::setSettable(bool settable)
{
    m_settable = settable;
    m_dragging = false;
    setCursor(settable ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

double ClockFace::radius() const
{
    return std::min(width(), height()) / 2.0 - 8;
}

QPointF ClockFace::pointAt(double angle, double share) const
{
    const double radians = qDegreesToRadians(angle);
    const QPointF centre = QRectF(rect()).center();
    return centre + QPointF(std::sin(radians), -std::cos(radians)) * radius() * share;
}

QPoint ClockFace::minuteHandTip() const
{
    return pointAt(m_sinceTwelve % 60 * 6.0, MinuteHandLength).toPoint();
}

bool ClockFace::nearMinuteHand(const QPointF &at) const
{
    return distanceToSegment(at, QLineF(QRectF(rect()).center(), minuteHandTip())) <= GrabDistance;
}

void ClockFace::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = QRectF(rect()).center();
    const double r = radius();

    // The face: a cream dial in a thick blue rim.
    painter.setPen(QPen(StagePalette::Blue, r * 0.07));
    painter.setBrush(StagePalette::Paper);
    painter.drawEllipse(centre, r, r);

    // Minute marks, longer at the hours, and the twelve numbers.
    for (int mark = 0; mark < 60; ++mark) {
        const bool hour = mark % 5 == 0;
        painter.setPen(QPen(QColor(90, 90, 100), hour ? 4 : 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(pointAt(mark * 6.0, hour ? 0.87 : 0.9), pointAt(mark * 6.0, 0.94));
    }
    painter.setFont(uiFont(int(r * 0.15), true));
    painter.setPen(QColor(40, 40, 60));
    for (int number = 1; number <= 12; ++number) {
        const QPointF at = pointAt(number * 30.0, 0.75);
        painter.drawText(QRectF(at - QPointF(r * 0.15, r * 0.12), QSizeF(r * 0.3, r * 0.24)),
                         Qt::AlignCenter, QString::number(number));
    }

    // The short hand, then the long one above it.
    const double hourAngle = m_sinceTwelve / 2.0;
    const double minuteAngle = m_sinceTwelve % 60 * 6.0;
    painter.setPen(QPen(QColor(40, 53, 147), r * 0.075, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, pointAt(hourAngle, HourHandLength));
    painter.setPen(QPen(QColor(229, 57, 53), r * 0.045, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, pointAt(minuteAngle, MinuteHandLength));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 60));
    painter.drawEllipse(centre, r * 0.06, r * 0.06);
}

void ClockFace::mousePressEvent(QMouseEvent *event)
{
    if (!m_settable || event->button() != Qt::LeftButton || !nearMinuteHand(event->position()))
        return;
    m_dragging = true;
    setCursor(Qt::ClosedHandCursor);
}

void ClockFace::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPointF from = event->position() - QRectF(rect()).center();
    if (std::hypot(from.x(), from.y()) < radius() * 0.1)
        return; // too near the middle to tell a direction
    const double angle = qRadiansToDegrees(std::atan2(from.x(), -from.y()));
    const int moved = minutesAfterDrag(m_sinceTwelve, angle);
    if (moved == m_sinceTwelve)
        return;
    setTime(moved);
    Q_EMIT timeChanged(m_sinceTwelve);
}

void ClockFace::mouseReleaseEvent(QMouseEvent *)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    setCursor(Qt::OpenHandCursor);
}

} // namespace abacolo
