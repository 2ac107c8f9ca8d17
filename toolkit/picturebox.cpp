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
    m_picture.set(picture);
    update();
}

void PictureBox::setPictureFile(const QString &path)
{
    m_picture.setFile(path);
    update();
}

QPixmap PictureBox::picture() const
{
    return m_picture.get();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    const QPixmap shown = picture();
    if (shown.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch)
        p.drawPixmap(rect(), shown);
    else
        p.drawPixmap(0, 0, shown);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

} // namespace abacolo
