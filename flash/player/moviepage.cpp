#include "flash/player/moviepage.h"

namespace abacolo {

MoviePage::MoviePage(QWebEngineProfile *profile, const QUrl &home, QObject *parent)
    : QWebEnginePage(profile, parent), m_home(home)
{
}

bool MoviePage::acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame)
{
    return isMainFrame && url == m_home;
}

QWebEnginePage *MoviePage::createWindow(WebWindowType)
{
    return nullptr;
}

void MoviePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &message,
                                         int, const QString &)
{
    if (onConsole)
        onConsole(message);
}

} // namespace abacolo
