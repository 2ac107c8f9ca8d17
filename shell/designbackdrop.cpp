#include "shell/designbackdrop.h"

#include "services/designfit.h"

#include <QEvent>
#include <QScreen>

namespace abacolo {

namespace {

const QColor BackdropColour(24, 26, 32);

} // namespace

std::unique_ptr<DesignBackdrop> DesignBackdrop::behind(QWidget *mainWindow)
{
    if (designFit().scale == 1.0 || !mainWindow)
        return nullptr;
    return std::make_unique<DesignBackdrop>(mainWindow);
}

DesignBackdrop::DesignBackdrop(QWidget *mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint
                           | Qt::WindowDoesNotAcceptFocus)
    , m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("designBackdrop"));
    // A desktop-type window: window managers keep it below, out of the task bar and the
    // window switcher.
    setAttribute(Qt::WA_X11NetWmWindowTypeDesktop);
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, BackdropColour);
    setPalette(colours);
    setAutoFillBackground(true);
    if (const QScreen *screen = mainWindow->screen())
        setGeometry(screen->geometry());
    mainWindow->installEventFilter(this);
    follow();
}

bool DesignBackdrop::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mainWindow) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DesignBackdrop::follow()
{
    const bool wanted = m_mainWindow->isVisible() && !m_mainWindow->isMinimized();
    if (wanted && !isVisible()) {
        show();
        lower();
    } else if (!wanted && isVisible()) {
        hide();
    }
}

} // namespace abacolo
