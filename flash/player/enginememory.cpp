#include "flash/player/enginememory.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <malloc.h>
#include <sys/mman.h>

namespace abacolo {

namespace {

// The libraries only the engine uses.
bool engineLibrary(const QByteArray &path)
{
    static const QList<QByteArray> names{"libQt6WebEngineCore", "libQt6WebEngineWidgets",
                                         "libQt6WebEngineQuick", "libQt6Quick.", "libQt6Qml.",
                                         "libQt6QmlModels", "libQt6QuickWidgets"};
    for (const QByteArray &name : names) {
        if (path.contains(name))
            return true;
    }
    return false;
}

} // namespace

void handBackEngineMemory()
{
    ::malloc_trim(0);
#ifdef MADV_PAGEOUT
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return;
    // "start-end perms offset dev inode path": read-only or executable file mappings only,
    // whose pages are clean copies of the file.
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || fields[1].contains('w') || !engineLibrary(fields[5]))
            continue;
        const QList<QByteArray> range = fields[0].split('-');
        bool okStart = false;
        bool okEnd = false;
        const quintptr start = range.value(0).toULongLong(&okStart, 16);
        const quintptr end = range.value(1).toULongLong(&okEnd, 16);
        if (okStart && okEnd && end > start)
            ::madvise(reinterpret_cast<void *>(start), end - start, MADV_PAGEOUT);
    }
#endif
}

} // namespace abacolo
