#include "toolkit/imagebutton.h"

#include <QPainter>
#include <QPainterPath>

namespace abacolo {

ImageButton::ImageButton(const QString &name, QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
}

void ImageButton::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void ImageButton::setCaptionColor(const QColor &colour)
{
    m_captionColour = colour;
    update();
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QRect area = rect();
    if (isDown())
        area.translate(1, 1);
    if (!m_picture.isNull())
        p.drawPixmap(area, m_picture);
    if (text().isEmpty())
        return;
    // The caption is outlined so that it stays readable over any picture.
    QPainterPath path;
    const QFontMetrics metrics(font());
    const int x = area.left() + (area.width() - metrics.horizontalAdvance(text())) / 2;
    const int y = area.top() + (area.height() + metrics.ascent() - metrics.descent()) / 2;
    path.addText(x, y, font(), text());
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(path, QPen(QColor(255, 255, 255, 220), 3));
    p.fillPath(path, m_captionColour);
}

void ImageButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    Q_EMIT mouseEntered();
}

void ImageButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    Q_EMIT mouseLeft();
}

} // namespace abacolo
