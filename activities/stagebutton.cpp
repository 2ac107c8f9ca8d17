#include "activities/stagebutton.h"

#include "activities/stagepalette.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {
} // namespace

StageButton::StageButton(const QString &name, QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void StageButton::setContent(Content content)
{
    m_content = std::move(content);
    update();
}

void StageButton::setMarked(bool marked)
{
    m_marked = marked;
    update();
}

void StageButton::setTextColor(const QColor &colour)
{
    m_textColour = colour;
    update();
}

void StageButton::setFaceColor(const QColor &colour)
{
    m_face = colour;
    update();
}

void StageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(4, 4, -4, -4);
    QColor fill = m_face;
    if (isDown())
        fill = fill.darker(115);
    else if (m_hovered && isEnabled())
        fill = fill.lighter(m_face.lightness() < 100 ? 190 : 108);
    painter.setPen(QPen(m_face.lighter(m_face.lightness() < 100 ? 260 : 90), 2));
    painter.setBrush(fill);
    painter.drawRoundedRect(face, 18, 18);
    const QRectF inner = face.adjusted(10, 10, -10, -10);
    if (m_content) {
        painter.save();
        m_content(painter, inner);
        painter.restore();
    }
    if (!text().isEmpty()) {
        painter.setFont(font());
        painter.setPen(m_textColour);
        painter.drawText(inner, Qt::AlignCenter, text());
    }
    if (m_marked) {
        QPen ring(StagePalette::Mark, 6);
        ring.setStyle(Qt::DashLine);
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(3, 3, -3, -3), 20, 20);
    }
}

void StageButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void StageButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace abacolo
