#pragma once

#include <QStringList>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlSchemeHandler>

namespace abacolo {

// The player's own URL scheme: "abacolo://local" followed by a file's absolute path. Only
// regular files below the allowed folders are served; anything else is refused.
class LocalFiles : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LocalFiles)

public:
    static const QByteArray Scheme;

    // Registers the scheme with the engine; must run before the engine starts.
    static void registerScheme();

    static QUrl urlOf(const QString &path);
    static QUrl folderUrlOf(const QString &path);

    LocalFiles(const QStringList &allowedFolders, QObject *parent);

    // The file a URL of the scheme may be served from, or an empty string when refused.
    QString fileFor(const QUrl &url) const;

    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    QStringList m_folders; // canonical, each ending with '/'
};

// Lets through the requests of the player's own scheme (and in-memory data) only: nothing a
// movie asks for ever leaves the machine.
class LocalOnlyRequests : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LocalOnlyRequests)

public:
    explicit LocalOnlyRequests(QObject *parent);

    static bool allowed(const QUrl &url);
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
};

} // namespace abacolo
