#include "toolkit/shapebutton.h"

#include <QPainter>

namespace abacolo {

ShapeButton::ShapeButton(const QString &name, QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void ShapeButton::setPicture(const QPixmap &picture)
{
    m_picture.set(picture);
    update();
}

void ShapeButton::setPictureFile(const QString &path)
{
    m_picture.setFile(path);
    update();
}

QPixmap ShapeButton::picture() const
{
    return m_picture.get();
}

void ShapeButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (m_hovered || isDown()) {
        // A warm glow around the picture under the mouse.
        p.setPen(QPen(QColor(255, 179, 0), 2));
        p.setBrush(QColor(255, 214, 0, isDown() ? 150 : 90));
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 12, 12);
    }
    const QPixmap shown = picture();
    if (shown.isNull())
        return;
    QRect target(QPoint(), shown.deviceIndependentSize().toSize());
    target.moveCenter(rect().center());
    if (isDown())
        target.translate(1, 1);
    p.drawPixmap(target, shown);
}

void ShapeButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    m_hovered = true;
    update();
}

void ShapeButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    m_hovered = false;
    update();
}

} // namespace abacolo
