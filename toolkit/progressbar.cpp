#include "toolkit/progressbar.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace abacolo {

ProgressBar::ProgressBar(const QString &name, QWidget *parent, Qt::Orientation orientation)
    : QWidget(parent), m_orientation(orientation)
{
    setObjectName(name);
}

void ProgressBar::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    update();
}

void ProgressBar::setPosition(int position)
{
    if (position == m_position)
        return;
    m_position = position;
    update();
}

qreal ProgressBar::fraction() const
{
    if (m_maximum == m_minimum)
        return m_position >= m_maximum ? 1.0 : 0.0;
    const qreal share = qreal(m_position - m_minimum) / qreal(m_maximum - m_minimum);
    return std::clamp(share, 0.0, 1.0);
}

void ProgressBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool vertical = m_orientation == Qt::Vertical;
    const qreal radius = std::min(outer.width(), outer.height()) / 2.0;

    // The empty track: a dark groove with a light rim.
    QPainterPath track;
    track.addRoundedRect(outer, radius, radius);
    p.fillPath(track, QColor(0x26, 0x32, 0x38));
    p.setPen(QPen(QColor(0xb0, 0xbe, 0xc5), 1.0));
    p.drawPath(track);

    const qreal share = fraction();
    if (share <= 0.0)
        return;

    // Plenty of time is green, half of it orange, the last quarter red.
    QColor light;
    QColor dark;
    if (share > 0.5) {
        light = QColor(0xa5, 0xe8, 0x6b);
        dark = QColor(0x2e, 0x9e, 0x3c);
    } else if (share > 0.25) {
        light = QColor(0xff, 0xe0, 0x66);
        dark = QColor(0xf5, 0x8f, 0x00);
    } else {
        light = QColor(0xff, 0x8a, 0x80);
        dark = QColor(0xd3, 0x2f, 0x2f);
    }

    const QRectF inner = outer.adjusted(1.5, 1.5, -1.5, -1.5);
    QRectF filled = inner;
    QLinearGradient shine;
    if (vertical) {
        filled.setTop(inner.bottom() - inner.height() * share);
        shine = QLinearGradient(inner.topLeft(), inner.topRight());
    } else {
        filled.setWidth(inner.width() * share);
        shine = QLinearGradient(inner.topLeft(), inner.bottomLeft());
    }
    shine.setColorAt(0.0, dark);
    shine.setColorAt(0.45, light);
    shine.setColorAt(1.0, dark);

    const qreal innerRadius = std::min(filled.width(), filled.height()) / 2.0;
    QPainterPath fill;
    fill.addRoundedRect(filled, innerRadius, innerRadius);
    p.fillPath(fill, shine);
}

} // namespace abacolo
