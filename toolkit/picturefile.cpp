#include "toolkit/picturefile.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

using namespace Qt::StringLiterals;

namespace abacolo {

QPixmap readPicture(const QString &path)
{
    const bool resource = path.startsWith(u':');
    const QString key = u"abacolo-picture:"_s + path;
    QPixmap picture;
    if (resource && QPixmapCache::find(key, &picture))
        return picture;
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    picture = QPixmap::fromImage(reader.read());
    if (resource && !picture.isNull())
        QPixmapCache::insert(key, picture);
    return picture;
}

} // namespace abacolo
