#include "toolkit/bevel.h"

#include <QPainter>

namespace abacolo {

namespace {
constexpr qreal LineWidth = 3.0;
constexpr qreal Radius = 16.0;
} // namespace

Bevel::Bevel(const QString &name, QWidget *parent, const QColor &frame)
    : QWidget(parent), m_frame(frame)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::setFrameColor(const QColor &colour)
{
    m_frame = colour;
    update();
}

void Bevel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(LineWidth / 2, LineWidth / 2, -LineWidth / 2,
                                               -LineWidth / 2);
    QColor fill = m_frame;
    fill.setAlpha(38);
    p.setBrush(fill);
    p.setPen(QPen(m_frame, LineWidth, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawRoundedRect(box, Radius, Radius);
}

} // namespace abacolo
