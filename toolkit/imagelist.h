#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>

namespace abacolo {

// An image list (`ImageList`): small pictures of one size, taken by index; non-visual.
class ImageList : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImageList)

public:
    ImageList(const QString &name, QSize size, QObject *parent);

    QSize imageSize() const { return m_size; }
    // Adds a picture, scaled to the list's size; returns its index.
    int add(const QPixmap &picture);
    int count() const { return int(m_images.size()); }
    // A null picture for an index outside the list.
    QPixmap image(int index) const;

private:
    QSize m_size;
    QList<QPixmap> m_images;
};

} // namespace abacolo
