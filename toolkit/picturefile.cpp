#include "toolkit/picturefile.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>
#include <QResource>
#include <QtEndian>
#include <limits>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

template<typename T>
T littleEndianAt(const uchar *data, qsizetype at)
{
    return qFromLittleEndian<T>(data + at);
}

} // namespace

QImage screenReadyPicture(const QString &path)
{
    // A BMP of 40-byte header or larger, 32 bits per pixel, uncompressed, stored top-down
    // (negative height), with its pixels 4-byte aligned in memory: its rows are laid out as a
    // 32-bit RGB image's, and the image reads them where they lie.
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    const uchar *data = resource.data();
    const qint64 size = resource.size();
    constexpr qsizetype HeadersSize = 14 + 40;
    if (size < HeadersSize || data[0] != 'B' || data[1] != 'M')
        return {};
    const auto offset = littleEndianAt<quint32>(data, 10);
    const auto width = littleEndianAt<qint32>(data, 18);
    const auto height = littleEndianAt<qint32>(data, 22);
    if (littleEndianAt<quint32>(data, 14) < 40 || littleEndianAt<quint16>(data, 26) != 1
        || littleEndianAt<quint16>(data, 28) != 32 || littleEndianAt<quint32>(data, 30) != 0
        || width <= 0 || height >= 0 || height == std::numeric_limits<qint32>::min())
        return {};
    const qint64 rowBytes = qint64(width) * 4;
    if (offset < HeadersSize || qint64(offset) + rowBytes * -qint64(height) > size)
        return {};
    const uchar *pixels = data + offset;
    if (quintptr(pixels) % alignof(quint32) != 0)
        return {};
    return QImage(pixels, width, -height, rowBytes, QImage::Format_RGB32);
}

QPixmap readPicture(const QString &path)
{
    const bool resource = path.startsWith(u':');
    const QString key = u"abacolo-picture:"_s + path;
    QPixmap picture;
    if (resource && QPixmapCache::find(key, &picture))
        return picture;
    if (resource)
        picture = QPixmap::fromImage(screenReadyPicture(path));
    if (picture.isNull()) {
        QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
        reader.setAutoDetectImageFormat(false);
        picture = QPixmap::fromImage(reader.read());
    }
    if (resource && !picture.isNull())
        QPixmapCache::insert(key, picture);
    return picture;
}

} // namespace abacolo
