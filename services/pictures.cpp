#include "services/pictures.h"

#include "tables/apperror.h"
#include "toolkit/picturefile.h"
#include "toolkit/picturetarget.h"

#include <QDirIterator>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace abacolo {

void Pictures::index()
{
    if (!m_paths.isEmpty())
        return;
    QDirIterator it(u":/pictures"_s, QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        m_paths.insert(QFileInfo(path).completeBaseName().toLower(), path);
    }
}

QStringList Pictures::names()
{
    index();
    QStringList all = m_paths.keys();
    all.sort();
    return all;
}

QPixmap Pictures::picture(const QString &name)
{
    const QString key = name.toLower();
    if (const auto it = m_loaded.constFind(key); it != m_loaded.constEnd())
        return *it;
    index();
    const QString path = m_paths.value(key);
    const QPixmap pixmap = path.isEmpty() ? QPixmap() : readPicture(path);
    if (pixmap.isNull())
        throw AppError(u"找不到图片资源 “%1”。"_s.arg(name));
    m_loaded.insert(key, pixmap);
    return pixmap;
}

void Pictures::LoadPictureResource(PictureTarget &target, const QString &name)
{
    target.setPicture(picture(name));
}

} // namespace abacolo
