#include "toolkit/colourtile.h"

#include <QLinearGradient>
#include <QPainter>

namespace abacolo {

namespace {
constexpr qreal Radius = 16.0;
constexpr qreal Outline = 3.0;
} // namespace

ColourTile::ColourTile(const QString &name, QWidget *parent, const QColor &colour)
    : Panel(name, parent, colour)
{
}

void ColourTile::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(Outline / 2, Outline / 2, -Outline / 2,
                                                -Outline / 2);
    p.setPen(QPen(QColor(255, 255, 255, 235), Outline));
    p.setBrush(color());
    p.drawRoundedRect(face, Radius, Radius);

    // A soft sheen over the top half makes the tile look like something to pick up.
    QLinearGradient sheen(face.topLeft(), QPointF(face.left(), face.center().y()));
    sheen.setColorAt(0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawRoundedRect(face.adjusted(Outline, Outline, -Outline, -face.height() / 2), Radius - 3,
                      Radius - 3);
}

} // namespace abacolo
