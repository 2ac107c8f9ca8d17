#include "toolkit/panel.h"

#include <QPainter>

namespace abacolo {

Panel::Panel(const QString &name, QWidget *parent, const QColor &colour, Border border)
    : QWidget(parent), m_colour(colour), m_border(border)
{
    setObjectName(name);
}

void Panel::setColor(const QColor &colour)
{
    m_colour = colour;
    update();
}

void Panel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_colour);
    if (m_border == Border::Single) {
        p.setPen(QColor(128, 128, 128));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace abacolo
