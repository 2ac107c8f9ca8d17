#include "services/datadirectory.h"

#include <QDir>

namespace abacolo {

QString DataDirectory()
{
    QString path = QDir::currentPath();
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

} // namespace abacolo
