#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <functional>

namespace abacolo {

// The page that runs the emulator. It stays on the player page: no link a movie opens is
// followed, in this view or a new one, and every console line the page writes goes to the
// player rather than the terminal.
class MoviePage : public QWebEnginePage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MoviePage)

public:
    MoviePage(QWebEngineProfile *profile, const QUrl &home, QObject *parent);

    std::function<void(const QString &line)> onConsole;

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int line, const QString &source) override;

private:
    QUrl m_home;
};

} // namespace abacolo
