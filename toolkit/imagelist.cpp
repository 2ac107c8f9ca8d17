#include "toolkit/imagelist.h"

namespace abacolo {

ImageList::ImageList(const QString &name, QSize size, QObject *parent)
    : QObject(parent), m_size(size)
{
    setObjectName(name);
}

int ImageList::add(const QPixmap &picture)
{
    // Sharp pictures (device pixel ratio above 1) keep their ratio and their sharpness.
    if (picture.deviceIndependentSize().toSize() == m_size) {
        m_images.append(picture);
    } else {
        QPixmap scaled = picture.scaled(m_size * picture.devicePixelRatio(), Qt::KeepAspectRatio,
                                        Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(picture.devicePixelRatio());
        m_images.append(scaled);
    }
    return int(m_images.size()) - 1;
}

QPixmap ImageList::image(int index) const
{
    return index >= 0 && index < m_images.size() ? m_images.at(index) : QPixmap();
}

} // namespace abacolo
