#include "shell/userdata.h"

#include "services/datadirectory.h"
#include "tables/tables.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace abacolo {

QStringList seedUserTables(const QString &seedDirectory, const QString &userDirectory)
{
    QStringList problems;
    if (!QDir().mkpath(userDirectory)) {
        problems.append(u"无法建立保存进度的文件夹 “"_s + QDir::toNativeSeparators(userDirectory)
                        + u"”"_s);
        return problems;
    }
    const QDir seeds(seedDirectory);
    const QStringList scripts = seeds.entryList({u"*.sql"_s}, QDir::Files, QDir::Name);
    if (scripts.isEmpty())
        problems.append(u"找不到表格脚本：“"_s + QDir::toNativeSeparators(seedDirectory) + u"”"_s);
    for (const QString &script : scripts) {
        const QString table = script.chopped(4); // "sys.db.sql" makes "sys.db"
        const QString target = userDirectory + u'/' + table;
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        QString error;
        if (!createTableFileFromScript(target, seeds.filePath(script), TablePassword, &error))
            problems.append(error);
    }
    return problems;
}

QStringList prepareUserData()
{
    const DataFolders folders = dataFolders();
    if (!folders.installed)
        return {};
    return seedUserTables(folders.data + u"/seeds"_s, folders.userData);
}

} // namespace abacolo
