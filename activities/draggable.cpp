#include "activities/draggable.h"

#include <QMouseEvent>
#include <QPainter>

namespace abacolo {

Draggable::Draggable(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setCursor(Qt::OpenHandCursor);
}

void Draggable::setContent(Content content)
{
    m_content = std::move(content);
    update();
}

void Draggable::paintEvent(QPaintEvent *)
{
    if (!m_content)
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    m_content(painter, QRectF(rect()));
}

void Draggable::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_grab = event->position().toPoint();
    raise(); // above everything else on the stage while it moves
    setCursor(Qt::ClosedHandCursor);
}

void Draggable::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    move(mapToParent(event->position().toPoint()) - m_grab);
}

void Draggable::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    setCursor(Qt::OpenHandCursor);
    move(mapToParent(event->position().toPoint()) - m_grab);
    Q_EMIT dropped(geometry().center());
}

} // namespace abacolo
