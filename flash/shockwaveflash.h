#pragma once

#include "flash/movieplayer.h"

#include <QPointer>
#include <QWindow>
#include <QWidget>

namespace abacolo {

// The movie player control (`ShockwaveFlash1`) of the lesson viewer and the game player: it
// fills its holder and offers the three operations the windows use — load a movie by its full
// path, play, stop — with fixed settings (scale "show all", looping, quality high, background
// #006370, no context menu).
//
// The engine behind it is heavy, so it runs only while it may be needed: a chooser window
// asks for it when it is shown (holdEngineFor), and it is released once both the chooser and
// this control's own window are hidden. The control remembers the movie and whether it plays,
// so a restarted engine continues where the released one was (a stopped "start.swf" after a
// player window was closed). Without the engine module the control shows its calm
// background, and the windows carry on.
class ShockwaveFlash : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShockwaveFlash)

public:
    ShockwaveFlash(const QString &name, QWidget *parent);
    ~ShockwaveFlash() override;

    static MovieSettings settings();

    // Drops the current movie and takes the named file (a full path). While playing is on
    // (as it is at first), the movie runs as soon as it arrives.
    void LoadMovie(const QString &path);
    void Play();
    void Stop();

    QString Movie() const { return m_movie; }
    bool Playing() const { return m_playing; }

    // Starts the engine (once `window` has its first frame on the screen) and keeps it
    // running while `window` or this control's own window is shown.
    void holdEngineFor(QWidget *window);
    bool engineRunning() const { return m_player != nullptr; }
    MoviePlayer *engine() const { return m_player; }

Q_SIGNALS:
    // What the engine reports; for tests and measurements only.
    void movieEvent(abacolo::MovieEvent event, const QString &detail);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool wanted() const;
    void startEngine();
    void scheduleStart();
    void scheduleRelease();
    void releaseEngine();

    QString m_movie;
    bool m_playing = true;
    MoviePlayer *m_player = nullptr;
    QPointer<QWidget> m_companion;
    QPointer<QWidget> m_watchedWindow;
    QPointer<QWindow> m_awaitedSurface; // the companion's, until it is on the screen
    bool m_startScheduled = false;
    bool m_releaseScheduled = false;
};

} // namespace abacolo
