#include "activities/bargraphview.h"

#include "activities/stagepalette.h"
#include "toolkit/fonts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVariantAnimation>

#include <algorithm>
#include <array>

namespace abacolo {

namespace {

constexpr int ScaleWidth = 44;   // the numbers up the side
constexpr int TopRoom = 46;      // a full column's count stands here
constexpr int LabelHeight = 88;
constexpr int LabelGap = 10;     // between the foot of the columns and their pictures
constexpr int BarWidth = 72;
constexpr double TallestCell = 64;
constexpr int ShakeMs = 360;

const std::array<QColor, 4> BarColours{QColor(239, 83, 80), QColor(66, 165, 245),
                                       QColor(102, 187, 106), QColor(255, 167, 38)};
const QColor BoxColour(255, 204, 51);  // the dashed boxes waiting for a cell
const QColor BoxFill(40, 40, 48);
const QColor GridColour(72, 72, 88);
const QColor CountColour(255, 82, 82);

} // namespace

BarGraphView::BarGraphView(const QString &name, QWidget *parent)
    : QWidget(parent)
    , m_shake(new QVariantAnimation(this))
{
    setObjectName(name);
    setMouseTracking(true);
    m_shake->setDuration(ShakeMs);
    m_shake->setStartValue(0.0);
    for (int k = 1; k < 6; ++k)
        m_shake->setKeyValueAt(k / 6.0, k % 2 ? 10.0 : -10.0);
    m_shake->setEndValue(0.0);
    connect(m_shake, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_shakeOffset = value.toDouble();
        update();
    });
    connect(m_shake, &QVariantAnimation::finished, this, [this] {
        m_shaking = -1;
        m_shakeOffset = 0;
        update();
    });
}

void BarGraphView::setColumns(const QList<QPixmap> &pictures, int highest)
{
    m_pictures = pictures;
    m_bars = QList<int>(pictures.size(), 0);
    m_highest = highest;
    m_picking = false;
    m_marked = -1;
    update();
}

void BarGraphView::setBar(int column, int cells)
{
    m_bars[column] = std::clamp(cells, 0, m_highest);
    update();
}

void BarGraphView::setPicking(bool picking)
{
    m_picking = picking;
    update();
}

void BarGraphView::setMarked(int column)
{
    m_marked = column;
    update();
}

void BarGraphView::shake(int column)
{
    if (isShaking())
        return;
    m_shaking = column;
    m_shake->start();
}

bool BarGraphView::isShaking() const
{
    return m_shake->state() == QAbstractAnimation::Running;
}

double BarGraphView::cellHeight() const
{
    return std::min(TallestCell, double(baseline() - TopRoom) / m_highest);
}

int BarGraphView::baseline() const
{
    return height() - LabelHeight - LabelGap;
}

QRect BarGraphView::columnStrip(int column) const
{
    const int left = ScaleWidth + (width() - ScaleWidth - columns() * ColumnWidth) / 2;
    return {left + column * ColumnWidth, 0, ColumnWidth, height()};
}

QRect BarGraphView::cellRect(int column, int cell) const
{
    const double top = baseline() - (cell + 1) * cellHeight();
    return QRectF(columnStrip(column).center().x() - BarWidth / 2.0, top, BarWidth, cellHeight())
        .toRect();
}

QRect BarGraphView::labelRect(int column) const
{
    return columnStrip(column).adjusted(6, height() - LabelHeight, -6, 0);
}

int BarGraphView::columnAt(QPoint at) const
{
    for (int column = 0; column < columns(); ++column) {
        if (columnStrip(column).contains(at))
            return column;
    }
    return -1;
}

void BarGraphView::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton ? columnAt(event->position().toPoint()) : -1;
}

void BarGraphView::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int column = columnAt(at);
    if (event->button() != Qt::LeftButton || column < 0 || column != m_pressed)
        return;
    m_pressed = -1;
    if (m_picking) {
        Q_EMIT picked(column);
        return;
    }
    const int bar = m_bars.at(column);
    if (bar > 0 && cellRect(column, bar - 1).contains(at)) {
        Q_EMIT lowered(column);
        return;
    }
    // The cells below the top stay as they are; anywhere else on the column is one more.
    if (bar > 0 && cellRect(column, bar - 1).united(cellRect(column, 0)).contains(at))
        return;
    Q_EMIT raised(column);
}

void BarGraphView::mouseMoveEvent(QMouseEvent *event)
{
    setHovered(event->position().toPoint());
}

void BarGraphView::leaveEvent(QEvent *)
{
    setHovered({-1, -1});
}

void BarGraphView::setHovered(QPoint at)
{
    const int column = columnAt(at);
    const bool onTop = column >= 0 && m_bars.at(column) > 0 &&
                       cellRect(column, m_bars.at(column) - 1).contains(at);
    setCursor(column >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (column == m_hoveredColumn && onTop == m_hoverOnTop)
        return;
    m_hoveredColumn = column;
    m_hoverOnTop = onTop;
    update();
}

void BarGraphView::paintEvent(QPaintEvent *)
{
    if (columns() == 0)
        return; // before the first question
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paintScale(painter);
    for (int column = 0; column < columns(); ++column)
        paintColumn(painter, column);
}

void BarGraphView::paintScale(QPainter &painter) const
{
    // The scale stands close to the first column, however many columns there are.
    const double cell = cellHeight();
    const int axis = columnStrip(0).left() - 4;
    const int right = columnStrip(columns() - 1).right();
    painter.setFont(uiFont(cell < 40 ? 20 : 24, true));
    for (int n = 1; n <= m_highest; ++n) {
        const double y = baseline() - (n - 0.5) * cell;
        painter.setPen(QPen(GridColour, 1, Qt::DashLine));
        painter.drawLine(QPointF(axis, y - cell / 2), QPointF(right, y - cell / 2));
        painter.setPen(Qt::white);
        painter.drawText(QRectF(axis - ScaleWidth, y - 16, ScaleWidth - 10, 32),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(n));
    }
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(axis, baseline() - m_highest * cell - 14), QPointF(axis, baseline()));
    painter.drawLine(QPointF(axis, baseline()), QPointF(right, baseline()));
}

void BarGraphView::paintColumn(QPainter &painter, int column) const
{
    painter.save();
    if (column == m_shaking)
        painter.translate(m_shakeOffset, 0);
    const bool hovered = column == m_hoveredColumn;
    const int bar = m_bars.at(column);
    const QColor colour = BarColours.at(size_t(column) % BarColours.size());

    if (!m_picking) {
        for (int cell = bar; cell < m_highest; ++cell) {
            const bool next = hovered && !m_hoverOnTop && cell == bar;
            QPen dashes(next ? BoxColour : BoxColour.darker(160), 2, Qt::DashLine);
            painter.setPen(dashes);
            painter.setBrush(next ? BoxFill.lighter(190) : BoxFill);
            painter.drawRoundedRect(QRectF(cellRect(column, cell)).adjusted(3, 3, -3, -3), 7, 7);
        }
    }
    for (int cell = 0; cell < bar; ++cell) {
        const bool lit = hovered && (m_picking || (m_hoverOnTop && cell == bar - 1));
        painter.setPen(QPen(colour.darker(140), 2));
        painter.setBrush(lit ? colour.lighter(125) : colour);
        painter.drawRoundedRect(QRectF(cellRect(column, cell)).adjusted(2, 2, -2, -2), 7, 7);
    }
    // The count: in the top cell while the boxes above wait, above the column once built.
    if (bar > 0) {
        const QRect top = cellRect(column, bar - 1);
        if (m_picking) {
            painter.setFont(uiFont(34, true));
            painter.setPen(CountColour);
            painter.drawText(QRect(top.left() - 14, top.top() - 44, top.width() + 28, 42),
                             Qt::AlignHCenter | Qt::AlignBottom, QString::number(bar));
        } else {
            painter.setFont(uiFont(std::min(30, top.height() - 6), true));
            painter.setPen(Qt::white);
            painter.drawText(top, Qt::AlignCenter, QString::number(bar));
        }
    }

    const QRectF card = QRectF(labelRect(column)).adjusted(2, 2, -2, -2);
    const bool cardLit = hovered && (m_picking || !m_hoverOnTop);
    painter.setPen(QPen(StagePalette::DarkFace.lighter(260), 2));
    painter.setBrush(cardLit ? StagePalette::DarkFace.lighter(190) : StagePalette::DarkFace);
    painter.drawRoundedRect(card, 16, 16);
    const QPixmap &picture = m_pictures.at(column);
    const double side = std::min(card.width(), card.height()) - 14;
    painter.drawPixmap(QRectF(card.center().x() - side / 2, card.center().y() - side / 2, side, side),
                       picture, QRectF(picture.rect()));

    if (column == m_marked) {
        QPen ring(StagePalette::Mark, 5);
        ring.setStyle(Qt::DashLine);
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        const QRect top = cellRect(column, std::max(bar, 1) - 1);
        painter.drawRoundedRect(QRectF(columnStrip(column).left() + 3, top.top() - 48,
                                       ColumnWidth - 6, height() - top.top() + 45),
                                18, 18);
    }
    painter.restore();
}

} // namespace abacolo
