#include "toolkit/trackbar.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace abacolo {

namespace {

// The slider is an upright pill this wide; its centre travels from one end tick to the other.
constexpr qreal SliderWidth = 11.0;
constexpr qreal Margin = SliderWidth / 2.0;

} // namespace

TrackBar::TrackBar(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
}

void TrackBar::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    setPosition(m_position);
    update();
}

void TrackBar::setPosition(int position)
{
    position = std::clamp(position, m_minimum, m_maximum);
    if (position == m_position)
        return;
    m_position = position;
    update();
    Q_EMIT positionChanged(position);
}

void TrackBar::setTickPositions(const QList<qreal> &xs)
{
    m_ticks = xs;
    update();
}

void TrackBar::setTrackColor(const QColor &colour)
{
    m_track = colour;
    update();
}

qreal TrackBar::tickX(int position) const
{
    const int steps = m_maximum - m_minimum;
    const qreal highest = std::max(Margin, width() - Margin);
    if (m_ticks.size() == steps + 1)
        return std::clamp(m_ticks.at(position - m_minimum), Margin, highest);
    if (steps == 0)
        return width() / 2.0;
    return Margin + (highest - Margin) * qreal(position - m_minimum) / qreal(steps);
}

int TrackBar::positionAt(qreal x) const
{
    int nearest = m_minimum;
    for (int position = m_minimum + 1; position <= m_maximum; ++position) {
        if (std::abs(tickX(position) - x) < std::abs(tickX(nearest) - x))
            nearest = position;
    }
    return nearest;
}

void TrackBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal middle = height() / 2.0;

    // The groove runs from the first tick to the last, so that two bars meeting at a shared
    // end tick draw one unbroken line.
    const qreal left = tickX(m_minimum);
    const qreal right = tickX(m_maximum);
    p.setPen(Qt::NoPen);
    p.setBrush(m_track);
    p.drawRoundedRect(QRectF(left - 2.0, middle - 3.0, right - left + 4.0, 6.0), 3.0, 3.0);

    p.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int position = m_minimum; position <= m_maximum; ++position) {
        const qreal x = tickX(position);
        p.drawLine(QPointF(x, 2.0), QPointF(x, height() - 2.0));
    }

    // The slider: a bright pill with a dark rim, easy to see on the line.
    const QRectF slider(tickX(m_position) - Margin + 0.75, 0.75, SliderWidth - 1.5,
                        height() - 1.5);
    p.setPen(QPen(QColor(0x8a, 0x4b, 0x00), 1.5));
    p.setBrush(QColor(0xff, 0xc1, 0x07));
    p.drawRoundedRect(slider, SliderWidth / 2.0 - 1.0, SliderWidth / 2.0 - 1.0);
}

void TrackBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setPosition(positionAt(event->position().x()));
}

void TrackBar::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        setPosition(positionAt(event->position().x()));
    else
        QWidget::mouseMoveEvent(event);
}

} // namespace abacolo
