#include "toolkit/imagelist.h"

namespace abacolo {

ImageList::ImageList(const QString &name, QSize size, QObject *parent)
    : QObject(parent), m_size(size)
{
    setObjectName(name);
}

int ImageList::add(const QPixmap &picture)
{
    m_images.append(picture.size() == m_size
                        ? picture
                        : picture.scaled(m_size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return int(m_images.size()) - 1;
}

QPixmap ImageList::image(int index) const
{
    return index >= 0 && index < m_images.size() ? m_images.at(index) : QPixmap();
}

} // namespace abacolo
