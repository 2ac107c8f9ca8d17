#include "toolkit/colourswatch.h"

#include <QLinearGradient>
#include <QPainter>

namespace abacolo {

namespace {
constexpr qreal Outline = 2.0;
constexpr qreal ShadowOffset = 3.0;
} // namespace

ColourSwatch::ColourSwatch(const QString &name, QWidget *parent, const QColor &colour)
    : QWidget(parent), m_colour(colour)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ColourSwatch::setColor(const QColor &colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

QColor ColourSwatch::outlineColor() const
{
    return m_colour.lightness() > 200 ? QColor(128, 128, 128) : m_colour.darker(160);
}

void ColourSwatch::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(Outline / 2, Outline / 2,
                                                -Outline / 2 - ShadowOffset,
                                                -Outline / 2 - ShadowOffset);
    const qreal radius = face.width() * 0.16;

    // A soft shadow lifts the square off the window.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(face.translated(ShadowOffset, ShadowOffset), radius, radius);

    p.setPen(QPen(outlineColor(), Outline));
    p.setBrush(m_colour);
    p.drawRoundedRect(face, radius, radius);

    // A faint sheen over the top keeps the colour itself clear below it.
    QLinearGradient sheen(face.topLeft(), QPointF(face.left(), face.center().y()));
    sheen.setColorAt(0, QColor(255, 255, 255, 90));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    const qreal inset = Outline + 2;
    p.drawRoundedRect(face.adjusted(inset, inset, -inset, -face.height() / 2), radius - inset,
                      radius - inset);
}

} // namespace abacolo
