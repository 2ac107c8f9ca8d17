#include "toolkit/skinframe.h"

#include "toolkit/form.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace abacolo {

namespace {
constexpr int BoxSize = 21;
constexpr int BoxGap = 4;
} // namespace

SkinFrame::SkinFrame(QWidget *window, const QString &caption, int titleButtons)
    : QWidget(window), m_caption(caption), m_buttons(titleButtons)
{
    setObjectName(QStringLiteral("suiForm1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkinFrame::setCaption(const QString &caption)
{
    m_caption = caption;
    window()->setWindowTitle(caption);
    update(0, 0, width(), titleHeight());
}

void SkinFrame::setColor(const QColor &colour)
{
    m_colour = colour;
    update();
}

void SkinFrame::setSkin(const Skin &skin)
{
    m_skin = skin;
    update();
}

QRect SkinFrame::closeBoxRect() const
{
    if (!(m_buttons & Form::CloseBox))
        return {};
    const int top = (titleHeight() - BoxSize) / 2;
    return {width() - m_skin.borderWidth - BoxGap - BoxSize, top, BoxSize, BoxSize};
}

QRect SkinFrame::maximiseBoxRect() const
{
    if (!(m_buttons & Form::MaximiseBox))
        return {};
    return closeBoxRect().translated(-(BoxSize + BoxGap), 0);
}

QRect SkinFrame::minimiseBoxRect() const
{
    if (!(m_buttons & Form::MinimiseBox))
        return {};
    const QRect right = (m_buttons & Form::MaximiseBox) ? maximiseBoxRect() : closeBoxRect();
    return right.translated(-(BoxSize + BoxGap), 0);
}

void SkinFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_colour);
    p.setRenderHint(QPainter::Antialiasing);

    // Title bar with rounded top corners.
    const int h = titleHeight();
    const qreal r = m_skin.cornerRadius;
    QPainterPath bar;
    bar.moveTo(0, h);
    bar.lineTo(0, r);
    bar.quadTo(0, 0, r, 0);
    bar.lineTo(width() - r, 0);
    bar.quadTo(width(), 0, width(), r);
    bar.lineTo(width(), h);
    bar.closeSubpath();
    QLinearGradient gradient(0, 0, 0, h);
    gradient.setColorAt(0, m_skin.titleTop);
    gradient.setColorAt(1, m_skin.titleBottom);
    p.fillPath(bar, gradient);

    // Caption, after a small round badge standing in for the program's icon.
    const int iconSize = h - 12;
    if (m_buttons & Form::ControlBox) {
        p.setBrush(QColor(255, 210, 60));
        p.setPen(QPen(Qt::white, 1.5));
        p.drawEllipse(QRect(8, 6, iconSize, iconSize));
    }
    QFont font = this->font();
    font.setPixelSize(qMax(12, h / 2));
    font.setBold(true);
    p.setFont(font);
    p.setPen(m_skin.titleText);
    const int textLeft = (m_buttons & Form::ControlBox) ? 14 + iconSize : 12;
    p.drawText(QRect(textLeft, 0, width() - textLeft - 90, h), Qt::AlignVCenter | Qt::AlignLeft,
               m_caption);

    // Title buttons.
    auto drawBox = [&](const QRect &box, const QColor &fill) {
        if (box.isNull())
            return;
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(fill);
        p.drawRoundedRect(box, 5, 5);
    };
    const QColor plain = m_skin.titleBottom.lighter(130);
    drawBox(closeBoxRect(), m_skin.closeBox);
    drawBox(maximiseBoxRect(), plain);
    drawBox(minimiseBoxRect(), plain);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    if (const QRect c = closeBoxRect().adjusted(6, 6, -6, -6); c.isValid()) {
        p.drawLine(c.topLeft(), c.bottomRight());
        p.drawLine(c.topRight(), c.bottomLeft());
    }
    if (const QRect m = maximiseBoxRect().adjusted(6, 6, -6, -6); m.isValid()) {
        p.setBrush(Qt::NoBrush);
        p.drawRect(m);
    }
    if (const QRect m = minimiseBoxRect().adjusted(6, 6, -6, -6); m.isValid())
        p.drawLine(m.bottomLeft(), m.bottomRight());

    // Border.
    if (m_skin.borderWidth > 0) {
        p.setRenderHint(QPainter::Antialiasing, false);
        const int b = m_skin.borderWidth;
        p.fillRect(0, h, b, height() - h, m_skin.border);
        p.fillRect(width() - b, h, b, height() - h, m_skin.border);
        p.fillRect(0, height() - b, width(), b, m_skin.border);
    }
}

void SkinFrame::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || at.y() >= titleHeight()) {
        QWidget::mousePressEvent(event);
        return;
    }
    for (const QRect &box : {closeBoxRect(), maximiseBoxRect(), minimiseBoxRect()}) {
        if (box.contains(at)) {
            m_pressedBox = box;
            return;
        }
    }
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
}

void SkinFrame::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        window()->move(event->globalPosition().toPoint() - m_dragOffset);
    else
        QWidget::mouseMoveEvent(event);
}

void SkinFrame::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const QRect pressed = m_pressedBox;
    m_pressedBox = {};
    m_dragging = false;
    if (pressed.isNull() || !pressed.contains(at))
        return;
    if (pressed == closeBoxRect())
        window()->close();
    else if (pressed == minimiseBoxRect())
        window()->showMinimized();
    else if (pressed == maximiseBoxRect())
        window()->isMaximized() ? window()->showNormal() : window()->showMaximized();
}

} // namespace abacolo
