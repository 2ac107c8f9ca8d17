#include "services/datadirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

// The installed layout, relative to the program's folder.
const auto kInstalledData = u"../share/abacolo"_s;
const auto kInstalledModules = u"../lib/abacolo"_s;
// Only an installed data folder holds the seed scripts.
const auto kInstalledMark = u"seeds"_s;

QString withoutTrailingSeparator(QString path)
{
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

QString programDirectory()
{
    // The kernel's own answer, which needs no application object (the command line is answered
    // before there is one).
    const QString program = QFileInfo(u"/proc/self/exe"_s).canonicalFilePath();
    return program.isEmpty() ? QDir::currentPath() : QFileInfo(program).absolutePath();
}

} // namespace

DataFolders dataFoldersFor(const QString &programDirectory, const QString &currentDirectory,
                           const QString &userDataHome)
{
    DataFolders folders;
    const QDir program(programDirectory);
    folders.installed = QFileInfo(program.filePath(kInstalledData + u'/' + kInstalledMark)).isDir();
    if (folders.installed) {
        folders.data = QDir::cleanPath(program.filePath(kInstalledData));
        folders.userData = QDir::cleanPath(userDataHome + u"/abacolo"_s);
        folders.modules = QDir::cleanPath(program.filePath(kInstalledModules));
    } else {
        folders.data = withoutTrailingSeparator(currentDirectory);
        folders.userData = folders.data;
        folders.modules = QDir::cleanPath(program.filePath(u"plugins"_s));
    }
    return folders;
}

DataFolders dataFolders()
{
    static const QString program = programDirectory();
    // Installed or not does not change while the program runs, nor does the user's data home.
    static const DataFolders installed = dataFoldersFor(
        program, QString(), QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (installed.installed)
        return installed;
    // From a build folder the current directory is the data folder, whatever it is now.
    return dataFoldersFor(program, QDir::currentPath(), QString());
}

QString DataDirectory()
{
    return dataFolders().data;
}

QString UserDataDirectory()
{
    return dataFolders().userData;
}

} // namespace abacolo
