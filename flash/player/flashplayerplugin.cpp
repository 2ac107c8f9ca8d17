#include "flash/player/flashplayerplugin.h"

#include "flash/player/localfiles.h"
#include "flash/player/webmovieplayer.h"

#include <QDir>
#include <QFileInfo>
#include <QtWebEngineQuick/qtwebenginequickglobal.h>
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
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    auto add = [&flags](const QByteArray &flag) {
        if (!flags.contains(flag))
            flags += (flags.isEmpty() ? "" : " ") + flag;
    };
    // A small shared-memory folder (as containers have) makes the engine's renderer crash.
    struct statvfs shm = {};
    if (::statvfs("/dev/shm", &shm) != 0
        || quint64(shm.f_blocks) * shm.f_frsize < 512ull * 1024 * 1024)
        add("--disable-dev-shm-usage");
    // The engine keeps quiet: the program writes no log.
    add("--log-level=3");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);

    LocalFiles::registerScheme();

    // The engine expects to be set up before the application object, which a module loaded
    // later cannot do: set up its shared graphics context now, before its first use (without
    // it the engine crashes at its first view). Its complaint about coming late is expected.
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &) {});
    QtWebEngineQuick::initialize();
    qInstallMessageHandler(previous);
}

QString FlashPlayerPlugin::pageFolder()
{
    Dl_info info = {};
    if (::dladdr(reinterpret_cast<void *>(&FlashPlayerPlugin::pageFolder), &info) == 0
        || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteDir().filePath(u"flashplayer"_s);
}

MoviePlayer *FlashPlayerPlugin::createPlayer(const MovieSettings &settings, QWidget *parent)
{
    return new WebMoviePlayer(settings, pageFolder(), parent);
}

} // namespace abacolo
