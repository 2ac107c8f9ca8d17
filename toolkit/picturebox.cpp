#include "toolkit/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace abacolo {

PictureBox::PictureBox(const QString &name, QWidget *parent, bool stretch)
    : QWidget(parent), m_stretch(stretch)
{
    setObjectName(name);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch)
        p.drawPixmap(rect(), m_picture);
    else
        p.drawPixmap(0, 0, m_picture);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

} // namespace abacolo
