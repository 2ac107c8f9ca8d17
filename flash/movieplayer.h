#pragma once

// The movie player as the program sees it: a widget that loads a movie file, plays it and
// stops it. The real player (a movie emulator in a web engine) lives in a module of its own,
// loaded on first use, so the program itself never links the web engine. This header is the
// whole contract between the program and that module: it is header-only on purpose, so that
// both sides agree on it without sharing any compiled code.

#include <QColor>
#include <QString>
#include <QtPlugin>
#include <functional>

class QWidget;

namespace abacolo {

// The player's fixed settings, the same for every player of the program.
struct MovieSettings
{
    QColor background{0x00, 0x63, 0x70}; // shown around and behind the movie
    QString quality = QStringLiteral("high");
    QString scale = QStringLiteral("showAll"); // whole movie visible, proportions kept
    bool contextMenu = false;
    // A movie may read files below this folder only (the movie folder of the data directory).
    QString root;
};

// What a player reports, for tests and measurements only: the windows read no result.
enum class MovieEvent {
    Ready,      // the engine has started and can load movies quickly
    Loaded,     // the movie of the last load has been read and started
    Shown,      // ... and its first frame has been drawn
    Failed,     // the movie of the last load could not be read; the area stays calm
};

class MoviePlayer
{
public:
    virtual ~MoviePlayer() = default;

    // The player's area; the holder makes it fill its own.
    virtual QWidget *widget() = 0;
    // Drops the current movie and takes the named file (a full path).
    virtual void loadMovie(const QString &path) = 0;
    // Runs the movie; a movie loaded later starts running when it arrives.
    virtual void play() = 0;
    // Stops playback and the movie's sound; a movie loaded later arrives stopped.
    virtual void stop() = 0;

    using EventHandler = std::function<void(MovieEvent event, const QString &detail)>;
    virtual void setEventHandler(EventHandler handler) = 0;
};

class MoviePlayerFactory
{
public:
    virtual ~MoviePlayerFactory() = default;
    // A new player with the given settings, owned by `parent`'s widget tree.
    virtual MoviePlayer *createPlayer(const MovieSettings &settings, QWidget *parent) = 0;
};

} // namespace abacolo

#define AbacoloMoviePlayerFactory_iid "org.abacolo.MoviePlayerFactory/1.0"
Q_DECLARE_INTERFACE(abacolo::MoviePlayerFactory, AbacoloMoviePlayerFactory_iid)
