#include "flash/movieplayermodule.h"

#include "flash/movieplayer.h"
#include "services/datadirectory.h"

#include <QDir>
#include <QPluginLoader>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

struct ModuleState
{
    QString folder;                          // empty: the program's own module folder
    MoviePlayerFactory *substitute = nullptr;
    QPluginLoader *loader = nullptr;         // kept loaded for the rest of the run
    MoviePlayerFactory *loaded = nullptr;
    bool tried = false;
    QString error;
};

ModuleState &state()
{
    static ModuleState s;
    return s;
}

} // namespace

QString MoviePlayerModule::modulePath()
{
    const QString folder = state().folder.isEmpty() ? dataFolders().modules : state().folder;
    return QDir(folder).filePath(u"abacolo_flashplayer.so"_s);
}

MoviePlayerFactory *MoviePlayerModule::factory()
{
    ModuleState &s = state();
    if (s.substitute)
        return s.substitute;
    if (!s.tried) {
        s.tried = true;
        s.loader = new QPluginLoader(modulePath());
        // The web engine cannot be unloaded once started: the module stays for the run.
        s.loader->setLoadHints(QLibrary::PreventUnloadHint);
        // The engine's libraries complain on stderr that they are loaded late: the program
        // writes no log, so loading is quiet.
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &) {});
        QObject *instance = s.loader->instance();
        qInstallMessageHandler(previous);
        if (instance)
            s.loaded = qobject_cast<MoviePlayerFactory *>(instance);
        if (!s.loaded)
            s.error = s.loader->errorString();
    }
    return s.loaded;
}

QString MoviePlayerModule::errorString()
{
    return state().error;
}

void MoviePlayerModule::setFolder(const QString &folder)
{
    ModuleState &s = state();
    if (s.folder == folder)
        return;
    s.folder = folder;
    if (!s.loaded)
        s.tried = false;
}

void MoviePlayerModule::useFactory(MoviePlayerFactory *factory)
{
    state().substitute = factory;
}

} // namespace abacolo
