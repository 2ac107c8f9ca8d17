#include "flash/player/localfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

const QString Host = u"local"_s;

QByteArray contentType(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"swf")
        return "application/x-shockwave-flash";
    if (suffix == u"wasm")
        return "application/wasm";
    if (suffix == u"js")
        return "text/javascript";
    if (suffix == u"html")
        return "text/html";
    return QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toUtf8();
}

// Movies and the player's own files are a few megabytes. A file past this, or a compressed
// movie that declares more once unpacked, would cost the engine gigabytes: it is refused as a
// broken file is.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

bool withinSizeLimit(QFile &file)
{
    if (file.size() > MaxFileBytes)
        return false;
    // A movie's header: three signature bytes, the version, then its unpacked length.
    const QByteArray header = file.peek(8);
    if (header.size() == 8
        && (header.startsWith("FWS") || header.startsWith("CWS") || header.startsWith("ZWS"))) {
        const quint32 unpacked = qFromLittleEndian<quint32>(header.constData() + 4);
        if (unpacked > MaxFileBytes)
            return false;
    }
    return true;
}

} // namespace

const QByteArray LocalFiles::Scheme = "abacolo";

void LocalFiles::registerScheme()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QWebEngineUrlScheme scheme(Scheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Secure (no mixed-content rules get in the way) but not local: like a web site, the page
    // cannot reach file: URLs.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl LocalFiles::urlOf(const QString &path)
{
    QUrl url;
    url.setScheme(QString::fromLatin1(Scheme));
    url.setHost(Host);
    url.setPath(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    return url;
}

QUrl LocalFiles::folderUrlOf(const QString &path)
{
    QUrl url = urlOf(QFileInfo(path).absolutePath());
    if (!url.path().endsWith(u'/'))
        url.setPath(url.path() + u'/');
    return url;
}

LocalFiles::LocalFiles(const QStringList &allowedFolders, QObject *parent)
    : QWebEngineUrlSchemeHandler(parent)
{
    for (const QString &folder : allowedFolders) {
        QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty())
            continue;
        if (!canonical.endsWith(u'/'))
            canonical += u'/';
        m_folders.append(canonical);
    }
}

QString LocalFiles::fileFor(const QUrl &url) const
{
    if (url.scheme().toLatin1() != Scheme || url.host() != Host)
        return {};
    // The canonical path resolves "..", "." and links: what counts is where the file really is.
    const QFileInfo info(url.path());
    if (!info.isFile())
        return {};
    const QString file = info.canonicalFilePath();
    for (const QString &folder : m_folders) {
        if (file.startsWith(folder))
            return file;
    }
    return {};
}

void LocalFiles::requestStarted(QWebEngineUrlRequestJob *job)
{
    if (job->requestMethod() != "GET") {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const QString file = fileFor(job->requestUrl());
    if (file.isEmpty()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    auto *device = new QFile(file, job);
    if (!device->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::RequestFailed);
        return;
    }
    if (!withinSizeLimit(*device)) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    job->reply(contentType(file), device);
}

LocalOnlyRequests::LocalOnlyRequests(QObject *parent)
    : QWebEngineUrlRequestInterceptor(parent)
{
}

bool LocalOnlyRequests::allowed(const QUrl &url)
{
    const QString scheme = url.scheme();
    return scheme.toLatin1() == LocalFiles::Scheme || scheme == u"data" || scheme == u"blob";
}

void LocalOnlyRequests::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (!allowed(info.requestUrl()))
        info.block(true);
}

} // namespace abacolo
