#include "flash/shockwaveflash.h"

#include "flash/movieplayermodule.h"
#include "services/datadirectory.h"

#include <QEvent>
#include <QPainter>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {
const QColor CalmBackground = MovieSettings().background;
} // namespace

ShockwaveFlash::ShockwaveFlash(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::NoContextMenu);
}

ShockwaveFlash::~ShockwaveFlash()
{
    delete m_player;
}

MovieSettings ShockwaveFlash::settings()
{
    MovieSettings settings;
    // Movies live below "numbers"; the tables beside it are none of their business.
    settings.root = DataDirectory() + u"/numbers"_s;
    return settings;
}

void ShockwaveFlash::LoadMovie(const QString &path)
{
    m_movie = path;
    if (m_player)
        m_player->loadMovie(path);
}

void ShockwaveFlash::Play()
{
    m_playing = true;
    if (m_player)
        m_player->play();
}

void ShockwaveFlash::Stop()
{
    m_playing = false;
    if (m_player)
        m_player->stop();
}

void ShockwaveFlash::holdEngineFor(QWidget *window)
{
    if (window != m_companion) {
        if (m_companion)
            m_companion->removeEventFilter(this);
        m_companion = window;
        if (window)
            window->installEventFilter(this);
    }
    scheduleStart();
}

bool ShockwaveFlash::wanted() const
{
    return isVisible() || (m_companion && m_companion->isVisible());
}

void ShockwaveFlash::scheduleStart()
{
    if (m_player || m_startScheduled || m_awaitedSurface)
        return;
    // Loading the engine blocks for a good while: the window asking for it is first put on
    // the screen and painted (its expose is handled, painting it, before the timer runs).
    QWindow *surface = m_companion && m_companion->isVisible() ? m_companion->windowHandle() : nullptr;
    if (surface && !surface->isExposed()) {
        m_awaitedSurface = surface;
        surface->installEventFilter(this);
        return;
    }
    m_startScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_startScheduled = false;
        if (wanted())
            startEngine();
    });
}

void ShockwaveFlash::startEngine()
{
    if (m_player)
        return;
    MoviePlayerFactory *factory = MoviePlayerModule::factory();
    if (!factory)
        return;
    if (window() != m_watchedWindow) {
        if (m_watchedWindow)
            m_watchedWindow->removeEventFilter(this);
        m_watchedWindow = window();
        m_watchedWindow->installEventFilter(this);
    }
    m_player = factory->createPlayer(settings(), this);
    if (!m_player)
        return;
    m_player->setEventHandler([this](MovieEvent event, const QString &detail) {
        Q_EMIT movieEvent(event, detail);
    });
    // The engine takes over what the control holds.
    if (m_playing)
        m_player->play();
    else
        m_player->stop();
    if (!m_movie.isEmpty())
        m_player->loadMovie(m_movie);
    QWidget *area = m_player->widget();
    area->setGeometry(rect());
    area->show();
}

void ShockwaveFlash::scheduleRelease()
{
    if (!m_player || m_releaseScheduled)
        return;
    // One window of the pair often hides just before the other is shown: decide afterwards.
    m_releaseScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_releaseScheduled = false;
        if (!wanted())
            releaseEngine();
    });
}

void ShockwaveFlash::releaseEngine()
{
    delete m_player;
    m_player = nullptr;
    update();
}

bool ShockwaveFlash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_awaitedSurface && event->type() == QEvent::Expose && m_awaitedSurface->isExposed()) {
        m_awaitedSurface->removeEventFilter(this);
        m_awaitedSurface = nullptr;
        scheduleStart();
    }
    if (event->type() == QEvent::Hide && (watched == m_companion || watched == m_watchedWindow))
        scheduleRelease();
    return QWidget::eventFilter(watched, event);
}

void ShockwaveFlash::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_player)
        startEngine();
}

void ShockwaveFlash::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_player)
        m_player->widget()->setGeometry(rect());
}

void ShockwaveFlash::paintEvent(QPaintEvent *)
{
    // Seen where no engine runs, and for a moment while one starts.
    QPainter(this).fillRect(rect(), CalmBackground);
}

} // namespace abacolo
