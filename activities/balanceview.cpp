#include "activities/balanceview.h"

#include "toolkit/fonts.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace abacolo {

namespace {

constexpr double BeamHalf = 300;
constexpr double BeamTop = 150;
constexpr double TiltDegrees = 12;
constexpr double PanDrop = 120; // from a beam end down to its pan
constexpr double PanHalf = 135;
constexpr int LoadPerRow = 4;
const QColor MetalColour(176, 190, 197);
const QColor WoodColour(141, 110, 99);

} // namespace

void paintWeight(QPainter &painter, const QRectF &area, int value)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(area.left() + area.width() * 0.08, area.top() + area.height() * 0.3,
                      area.width() * 0.84, area.height() * 0.68);
    // The ring on top, then a body narrower at the top than at the foot.
    painter.setPen(QPen(QColor(84, 110, 122), area.width() * 0.07));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(area.center().x() - area.width() * 0.14, area.top() + area.height() * 0.04,
                               area.width() * 0.28, area.height() * 0.3));
    QPainterPath shape;
    shape.moveTo(body.left() + body.width() * 0.18, body.top());
    shape.lineTo(body.right() - body.width() * 0.18, body.top());
    shape.lineTo(body.right(), body.bottom());
    shape.lineTo(body.left(), body.bottom());
    shape.closeSubpath();
    QLinearGradient metal(body.topLeft(), body.topRight());
    metal.setColorAt(0, QColor(96, 125, 139));
    metal.setColorAt(0.45, QColor(144, 164, 174));
    metal.setColorAt(1, QColor(69, 90, 100));
    painter.setPen(QPen(QColor(55, 71, 79), 2));
    painter.setBrush(metal);
    painter.drawPath(shape);
    painter.setPen(Qt::white);
    painter.setFont(uiFont(int(body.height() * 0.72), true));
    painter.drawText(body, Qt::AlignCenter, QString::number(value));
    painter.restore();
}

BalanceView::BalanceView(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BalanceView::setLeftWeights(const QList<int> &weights)
{
    m_leftWeights = weights;
    m_pictures = 0;
    update();
}

void BalanceView::setLeftPictures(const QPixmap &picture, int count)
{
    m_leftWeights.clear();
    m_picture = picture;
    m_pictures = count;
    update();
}

void BalanceView::setLean(int lean)
{
    m_lean = lean;
    update();
}

QPointF BalanceView::panCentre(bool right) const
{
    const double angle = qDegreesToRadians(TiltDegrees * m_lean);
    const double side = right ? 1 : -1;
    const QPointF end(width() / 2.0 + side * BeamHalf * std::cos(angle),
                      BeamTop + side * BeamHalf * std::sin(angle));
    return end + QPointF(0, PanDrop);
}

QList<QPoint> BalanceView::loadPlaces(bool right, int count) const
{
    // Rows of four standing on the pan, the first row on it.
    QList<QPoint> places;
    const QPointF pan = panCentre(right);
    for (int n = 0; n < count; ++n) {
        const int row = n / LoadPerRow;
        const int inRow = std::min(LoadPerRow, count - row * LoadPerRow);
        const double x = pan.x() - inRow * LoadSide / 2.0 + (n % LoadPerRow) * LoadSide + LoadSide / 2.0;
        const double y = pan.y() - 6 - LoadSide / 2.0 - row * LoadSide;
        places.append(QPointF(x, y).toPoint());
    }
    return places;
}

QPoint BalanceView::rightPanLoad(int n, int count) const
{
    return loadPlaces(true, count).at(n);
}

QRect BalanceView::rightPanArea() const
{
    const QPointF pan = panCentre(true);
    return QRectF(pan.x() - PanHalf - 20, pan.y() - 3 * LoadSide, 2 * PanHalf + 40, 3 * LoadSide + 40)
        .toRect();
}

void BalanceView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const double middle = width() / 2.0;

    // The stand: a foot and a post up to the beam's pivot.
    painter.setPen(Qt::NoPen);
    painter.setBrush(WoodColour);
    painter.drawRoundedRect(QRectF(middle - 110, height() - 26, 220, 22), 8, 8);
    painter.drawRect(QRectF(middle - 10, BeamTop, 20, height() - 26 - BeamTop));

    // The beam, leaning, with its pivot.
    const double angle = TiltDegrees * m_lean;
    painter.save();
    painter.translate(middle, BeamTop);
    painter.rotate(angle);
    painter.setBrush(MetalColour);
    painter.setPen(QPen(MetalColour.darker(140), 2));
    painter.drawRoundedRect(QRectF(-BeamHalf - 10, -9, 2 * BeamHalf + 20, 18), 9, 9);
    painter.restore();
    painter.setBrush(QColor(255, 202, 40));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(middle, BeamTop), 16, 16);

    // The pans on their strings.
    for (const bool right : {false, true}) {
        const QPointF pan = panCentre(right);
        const QPointF end = pan - QPointF(0, PanDrop);
        painter.setPen(QPen(QColor(200, 200, 200), 2));
        painter.drawLine(end, pan + QPointF(-PanHalf + 12, 0));
        painter.drawLine(end, pan + QPointF(PanHalf - 12, 0));
        QPainterPath dish;
        dish.moveTo(pan + QPointF(-PanHalf, 0));
        dish.lineTo(pan + QPointF(PanHalf, 0));
        dish.quadTo(pan + QPointF(0, 46), pan + QPointF(-PanHalf, 0));
        painter.setPen(QPen(MetalColour.darker(130), 2));
        painter.setBrush(MetalColour);
        painter.drawPath(dish);
    }

    // The left pan's load.
    const int count = m_pictures > 0 ? m_pictures : int(m_leftWeights.size());
    const QList<QPoint> places = loadPlaces(false, count);
    for (int n = 0; n < count; ++n) {
        const QRectF place(places.at(n) - QPointF(LoadSide / 2.0, LoadSide / 2.0), QSizeF(LoadSide, LoadSide));
        if (m_pictures > 0)
            painter.drawPixmap(place.adjusted(3, 3, -3, -3), m_picture, QRectF(m_picture.rect()));
        else
            paintWeight(painter, place, m_leftWeights.at(n));
    }
}

} // namespace abacolo
