#include "toolkit/picturecard.h"

#include <QPainter>
#include <QPainterPath>

namespace abacolo {

namespace {
constexpr qreal Radius = 14.0;
constexpr int Margin = 4;
} // namespace

PictureCard::PictureCard(const QString &name, QWidget *parent)
    : PictureBox(name, parent, true)
{
}

void PictureCard::setPicture(const QPixmap &picture)
{
    m_paper = picture.isNull() ? QColor(Qt::white) : picture.toImage().pixelColor(0, 0);
    PictureBox::setPicture(picture);
}

void PictureCard::paintEvent(QPaintEvent *)
{
    const QPixmap shown = picture();
    if (shown.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    QPainterPath card;
    card.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), Radius, Radius);
    p.fillPath(card, m_paper);
    p.setClipPath(card);

    QRect target(QPoint(), shown.size().scaled(rect().adjusted(Margin, Margin, -Margin, -Margin)
                                                   .size(),
                                               Qt::KeepAspectRatio));
    target.moveCenter(rect().center());
    p.drawPixmap(target, shown);

    p.setClipping(false);
    p.setPen(QPen(m_paper.darker(125), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(card);
}

} // namespace abacolo
