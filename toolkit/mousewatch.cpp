#include "toolkit/mousewatch.h"

#include <QMouseEvent>
#include <QWidget>

namespace abacolo {

MouseWatch::MouseWatch(QWidget *control)
    : QObject(control), m_control(control)
{
    control->installEventFilter(this);
}

bool MouseWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_control)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // A second press in quick succession is a press like the first.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        Q_EMIT pressed(mouse->position().toPoint(), mouse->button());
        return true;
    }
    case QEvent::MouseMove:
        Q_EMIT moved(static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        Q_EMIT released(mouse->position().toPoint(), mouse->button());
        return true;
    }
    default:
        break;
    }
    return false;
}

} // namespace abacolo
