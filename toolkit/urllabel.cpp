#include "toolkit/urllabel.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace abacolo {

UrlLabel::UrlLabel(const QString &name, const QString &caption, const QUrl &url, QWidget *parent)
    : QLabel(caption, parent), m_url(url)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setToolTip(url.toDisplayString());
}

void UrlLabel::openUrl() const
{
    QDesktopServices::openUrl(m_url);
}

void UrlLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void UrlLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release of the left button over the label.
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}

void UrlLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    setUnderlined(true);
}

void UrlLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    setUnderlined(false);
}

void UrlLabel::setUnderlined(bool underlined)
{
    QFont f = font();
    f.setUnderline(underlined);
    setFont(f);
}

} // namespace abacolo
