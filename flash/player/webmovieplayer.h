#pragma once

#include "flash/movieplayer.h"

#include <QStringList>
#include <QWebEngineView>

class QWebEngineProfile;

namespace abacolo {

class MoviePage;

// The movie player: the movie emulator running on a page of ours in a web view of its own,
// with a private, in-memory profile that reads files below the data directory (and the
// emulator's own folder) only.
class WebMoviePlayer : public QWebEngineView, public MoviePlayer
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebMoviePlayer)

public:
    WebMoviePlayer(const MovieSettings &settings, const QString &pageFolder, QWidget *parent);
    ~WebMoviePlayer() override;

    QWidget *widget() override { return this; }
    void loadMovie(const QString &path) override;
    void play() override;
    void stop() override;
    void setEventHandler(EventHandler handler) override;

private:
    void call(const QString &function, const QJsonArray &arguments);
    void pageLoaded(bool ok);
    void consoleLine(const QString &line);

    static int s_players; // players alive

    MovieSettings m_settings;
    QWebEngineProfile *m_profile;
    MoviePage *m_page;
    bool m_pageReady = false;
    bool m_movieAsked = false;
    QStringList m_waiting; // calls made before the page was ready
    EventHandler m_events;
};

} // namespace abacolo
