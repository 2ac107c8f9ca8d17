#include "flash/player/webmovieplayer.h"

#include "flash/player/enginememory.h"
#include "flash/player/localfiles.h"
#include "flash/player/moviepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

using namespace Qt::StringLiterals;

namespace abacolo {

int WebMoviePlayer::s_players = 0;

namespace {

void restrict(QWebEngineSettings *s)
{
    s->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    s->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
    s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
    s->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    s->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    s->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
}

} // namespace

WebMoviePlayer::WebMoviePlayer(const MovieSettings &settings, const QString &pageFolder,
                               QWidget *parent)
    : QWebEngineView(parent)
    , m_settings(settings)
    , m_profile(new QWebEngineProfile(this)) // no storage name: nothing is kept on disk
{
    ++s_players;
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);

    m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    m_profile->setSpellCheckEnabled(false);
    m_profile->setUrlRequestInterceptor(new LocalOnlyRequests(m_profile));
    m_profile->installUrlSchemeHandler(
        LocalFiles::Scheme, new LocalFiles({pageFolder, settings.root}, m_profile));

    const QUrl home = LocalFiles::urlOf(QDir(pageFolder).filePath(u"player.html"_s));
    m_page = new MoviePage(m_profile, home, this);
    m_page->setBackgroundColor(settings.background);
    m_page->onConsole = [this](const QString &line) { consoleLine(line); };
    restrict(m_page->settings());
    setPage(m_page);
    connect(m_page, &QWebEnginePage::loadFinished, this, &WebMoviePlayer::pageLoaded);
    m_page->load(home);
}

WebMoviePlayer::~WebMoviePlayer()
{
    // The page goes before its profile.
    m_page->onConsole = nullptr;
    setPage(nullptr);
    delete m_page;
    delete m_profile;
    // The engine lets go of the page over the next moments; then, if no other player has
    // started meanwhile, what it used goes back to the system.
    if (--s_players == 0) {
        QTimer::singleShot(2000, qApp, [] {
            if (s_players == 0)
                handBackEngineMemory();
        });
    }
}

void WebMoviePlayer::setEventHandler(EventHandler handler)
{
    m_events = std::move(handler);
}

void WebMoviePlayer::loadMovie(const QString &path)
{
    m_movieAsked = true;
    call(u"load"_s, {LocalFiles::urlOf(path).toString(), LocalFiles::folderUrlOf(path).toString()});
}

void WebMoviePlayer::play()
{
    call(u"play"_s, {});
}

void WebMoviePlayer::stop()
{
    call(u"stop"_s, {});
}

void WebMoviePlayer::call(const QString &function, const QJsonArray &arguments)
{
    const QString arrayText = QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact));
    const QString script = u"window.abacolo && window.abacolo."_s + function + u".apply(null, "_s
        + arrayText + u");"_s;
    if (m_pageReady)
        m_page->runJavaScript(script);
    else
        m_waiting.append(script);
}

void WebMoviePlayer::pageLoaded(bool ok)
{
    if (m_pageReady)
        return;
    if (!ok) {
        // Without its page the player keeps the calm background.
        m_waiting.clear();
        if (m_events)
            m_events(MovieEvent::Failed, m_page->url().toString());
        return;
    }
    m_pageReady = true;
    QJsonObject values;
    values.insert(u"background"_s, m_settings.background.name());
    values.insert(u"quality"_s, m_settings.quality);
    values.insert(u"scale"_s, m_settings.scale);
    m_page->runJavaScript(u"window.abacolo && window.abacolo.configure("_s
                          + QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact))
                          + u");"_s);
    const QStringList waiting = std::exchange(m_waiting, {});
    for (const QString &script : waiting)
        m_page->runJavaScript(script);
    if (!m_movieAsked)
        m_page->runJavaScript(u"window.abacolo && window.abacolo.warm();"_s);
}

void WebMoviePlayer::consoleLine(const QString &line)
{
    static const QString Prefix = u"abacolo-event "_s;
    if (!m_events || !line.startsWith(Prefix))
        return;
    const QString rest = line.mid(Prefix.size());
    const qsizetype space = rest.indexOf(u' ');
    const QString name = rest.left(space);
    // Details name the movie by its file, as the program gave it.
    QString detail = space < 0 ? QString() : rest.mid(space + 1);
    if (const QUrl url(detail); url.scheme().toLatin1() == LocalFiles::Scheme)
        detail = url.path();
    static const QHash<QString, MovieEvent> Events{{u"ready"_s, MovieEvent::Ready},
                                                   {u"loaded"_s, MovieEvent::Loaded},
                                                   {u"shown"_s, MovieEvent::Shown},
                                                   {u"failed"_s, MovieEvent::Failed}};
    if (const auto it = Events.constFind(name); it != Events.constEnd())
        m_events(*it, detail);
}

} // namespace abacolo
