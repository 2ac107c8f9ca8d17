#include "sheets/sheetpictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace abacolo {

namespace {

constexpr int Side = 48;

QPixmap blank()
{
    QPixmap picture(Side, Side);
    picture.fill(Qt::transparent);
    return picture;
}

// A sheet of paper with three rows of coloured "exercises" on it.
void drawSheet(QPainter &p, const QRectF &sheet)
{
    p.setPen(QPen(QColor(0x15, 0x65, 0xc0), 1.6));
    p.setBrush(QColor(0xff, 0xfd, 0xf5));
    p.drawRoundedRect(sheet, 3, 3);

    const QColor rowColours[] = {QColor(0xef, 0x53, 0x50), QColor(0x42, 0xa5, 0xf5),
                                 QColor(0x66, 0xbb, 0x6a)};
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        const qreal y = sheet.top() + 7 + row * 9;
        p.setBrush(rowColours[row]);
        p.drawEllipse(QRectF(sheet.left() + 4, y, 5, 5));
        p.setBrush(QColor(0x90, 0xa4, 0xae));
        p.drawRoundedRect(QRectF(sheet.left() + 11, y + 1, sheet.width() - 16, 3), 1.5, 1.5);
    }
}

// A five-pointed star centred at `centre`.
QPainterPath star(QPointF centre, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = (i % 2 == 0) ? outer : inner;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

} // namespace

QPixmap newSheetPicture()
{
    QPixmap picture = blank();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    drawSheet(p, QRectF(5, 8, 29, 36));

    // A yellow pencil lying across the sheet, its point on the paper.
    p.save();
    p.translate(27, 37);
    p.rotate(-50);
    p.setPen(QPen(QColor(0x5d, 0x40, 0x37), 1.0));
    p.setBrush(QColor(0xff, 0xc1, 0x07));
    p.drawRect(QRectF(8, -3.5, 22, 7));          // the body
    p.setBrush(QColor(0xf4, 0x8f, 0xb1));
    p.drawRoundedRect(QRectF(29, -3.5, 5, 7), 1.5, 1.5); // the rubber
    QPainterPath point;
    point.moveTo(8, -3.5);
    point.lineTo(0, 0);
    point.lineTo(8, 3.5);
    point.closeSubpath();
    p.setBrush(QColor(0xff, 0xe0, 0xb2));
    p.drawPath(point);
    p.setBrush(QColor(0x37, 0x47, 0x4f));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(1.2, 0), 1.3, 1.3);    // the lead
    p.restore();

    // A sparkle: something new.
    p.setPen(QPen(QColor(0xf5, 0x7f, 0x17), 1.0));
    p.setBrush(QColor(0xff, 0xeb, 0x3b));
    p.drawPath(star(QPointF(38, 9), 8, 3.5));
    return picture;
}

QPixmap markPicture()
{
    QPixmap picture = blank();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    drawSheet(p, QRectF(7, 4, 30, 38));

    // A big red tick over the sheet, outlined in white so it stands out.
    QPainterPath tick;
    tick.moveTo(13, 26);
    tick.lineTo(22, 36);
    tick.lineTo(42, 12);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(QColor(0xe5, 0x39, 0x35), 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return picture;
}

} // namespace abacolo
