// abacolo_seed <seed.sql> <out-file> <stamp-file>
//
// Makes a table file from its seed script unless the file already exists (an existing file
// holds the child's counts and is never replaced), then touches the stamp file.

#include "tables/tablepassword.h"
#include "tables/tables.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

int failWith(const QString &message)
{
    QTextStream(stderr) << "abacolo_seed: " << message << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return failWith(u"usage: abacolo_seed <seed.sql> <out-file> <stamp-file>"_s);
    const QString &scriptPath = args.at(1);
    const QString &outPath = args.at(2);
    const QString &stampPath = args.at(3);

    if (QFileInfo::exists(outPath) || QFileInfo(outPath).isSymLink()) {
        QTextStream(stdout) << "kept existing " << outPath << Qt::endl;
    } else {
        QFile script(scriptPath);
        if (!script.open(QIODevice::ReadOnly | QIODevice::Text))
            return failWith(u"cannot read "_s + scriptPath + u": "_s + script.errorString());
        const QString sql = QString::fromUtf8(script.readAll());
        QString error;
        if (!abacolo::createTableFile(outPath, sql, abacolo::TablePassword, &error))
            return failWith(outPath + u": "_s + error);
        QTextStream(stdout) << "created " << outPath << Qt::endl;
    }

    QFile stamp(stampPath);
    if (!stamp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return failWith(u"cannot write "_s + stampPath + u": "_s + stamp.errorString());
    stamp.write(QFileInfo(outPath).fileName().toUtf8() + '\n');
    return 0;
}
