#include "toolkit/speedbutton.h"

#include <QPainter>

namespace abacolo {

SpeedButton::SpeedButton(const QString &name, QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void SpeedButton::setCaptionColor(const QColor &colour)
{
    m_captionColour = colour;
    update();
}

void SpeedButton::setFaceColor(const QColor &colour)
{
    m_faceColour = colour;
    update();
}

void SpeedButton::setGlyph(const QPixmap &glyph)
{
    m_glyph = glyph;
    update();
}

void SpeedButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    if (m_faceColour.alpha() > 0)
        p.fillRect(rect(), m_faceColour);
    if (m_hovered || isDown()) {
        // A soft, rounded highlight shows which button the child is about to press.
        QColor glow = m_captionColour;
        glow.setAlpha(isDown() ? 110 : 60);
        p.setPen(QPen(m_captionColour, 2));
        p.setBrush(glow);
        p.drawRoundedRect(face, 10, 10);
    }
    const QRect area = isDown() ? rect().translated(1, 1) : rect();
    if (!m_glyph.isNull()) {
        const QSize size = m_glyph.size().scaled(area.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(), size.boundedTo(m_glyph.size().expandedTo(QSize(1, 1)) * 2));
        target.moveCenter(area.center());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(target, m_glyph);
    }
    if (!text().isEmpty()) {
        p.setPen(m_captionColour);
        p.setFont(font());
        p.drawText(area, Qt::AlignCenter, text());
    }
}

void SpeedButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    m_hovered = true;
    update();
}

void SpeedButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    m_hovered = false;
    update();
}

} // namespace abacolo
