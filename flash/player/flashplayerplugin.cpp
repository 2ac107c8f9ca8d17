#include "flash/player/flashplayerplugin.h"

#include "flash/player/localfiles.h"
#include "flash/player/webmovieplayer.h"

#include <QDir>
#include <QFileInfo>
#include <QtWebEngineQuick/qtwebenginequickglobal.h>
#include <QQuickWindow>
#include <dlfcn.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace abacolo {

FlashPlayerPlugin::FlashPlayerPlugin()
{
    prepareEngine();
}

void FlashPlayerPlugin::prepareEngine()
{
    // The engine's sandbox cannot run as root; it is kept for everyone else.
    const bool sandboxOff = ::geteuid() == 0 || qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX");
    if (sandboxOff)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    auto add = [&flags](const QByteArray &flag) {
        if (!flags.contains(flag))
            flags += (flags.isEmpty() ? "" : " ") + flag;
    };
    // A small shared-memory folder (as containers have) makes the engine's page process crash.
    struct statvfs shm = {};
    if (::statvfs("/dev/shm", &shm) != 0
        || quint64(shm.f_blocks) * shm.f_frsize < 512ull * 1024 * 1024)
        add("--disable-dev-shm-usage");
    // Simple vector movies draw well in software: no graphics driver is loaded for them
    // (a software OpenGL driver alone costs some 45 MB that stay after the engine is gone).
    add("--disable-gpu");
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    // Sound plays inside the program rather than in a helper process that would outlive the
    // engine, and without the sandbox no idle helper processes wait for the next page.
    add("--disable-features=AudioServiceOutOfProcess");
    if (sandboxOff)
        add("--no-zygote");
    // The engine keeps quiet: the program writes no log.
    add("--log-level=3");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);

    LocalFiles::registerScheme();

    // The engine expects to be set up before the application object, which a module loaded
    // later cannot do: set it up now, before its first use (without it the engine crashes at
    // its first view), drawing in software. The program loading this module keeps the
    // engine's complaint about coming late off the terminal.
    QtWebEngineQuick::initialize();
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

QString FlashPlayerPlugin::pageFolder()
{
    Dl_info info = {};
    if (::dladdr(reinterpret_cast<void *>(&FlashPlayerPlugin::pageFolder), &info) == 0
        || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteDir().filePath(u"flashplayer"_s);
}

namespace {

QtMessageHandler handlerBeforeEngine = nullptr;

// The engine draws in software on purpose; once running it says so on stderr each time it
// looks for a graphics driver. That is no news, and the program writes no log.
void dropSoftwareDrawingNote(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.trimmed() == u"No suitable graphics backend found")
        return;
    handlerBeforeEngine(type, context, message);
}

} // namespace

MoviePlayer *FlashPlayerPlugin::createPlayer(const MovieSettings &settings, QWidget *parent)
{
    // The engine describes its start-up on stderr; the program writes no log.
    static bool started = false;
    if (started)
        return new WebMoviePlayer(settings, pageFolder(), parent);
    started = true;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &) {});
    auto *player = new WebMoviePlayer(settings, pageFolder(), parent);
    qInstallMessageHandler(previous);
    handlerBeforeEngine = qInstallMessageHandler(dropSoftwareDrawingNote);
    return player;
}

} // namespace abacolo
