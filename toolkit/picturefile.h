#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <utility>

namespace abacolo {

// The picture of a file or resource, read by the format its suffix names; a null picture when
// the file is missing or not of that format. Left to guess, Qt's reader asks every installed
// image plugin whether it knows the content, loading each plugin and its libraries on the way.
// A resource is read once and its picture shared by every control showing it.
// Pictures shown at start-up are carried ready for the screen: a resource stored uncompressed
// as a 32-bit top-down BMP is shown from the program's own pages, neither decoded nor copied.
QPixmap readPicture(const QString &path);
// The image such a resource holds, read in place; a null image for any other file.
QImage screenReadyPicture(const QString &path);

// A control's picture, given itself or by its file; a file is read when the picture is first
// asked for, so a control on a window or page not yet shown costs nothing.
class DeferredPicture
{
public:
    void set(const QPixmap &picture)
    {
        m_file.clear();
        m_picture = picture;
    }
    void setFile(const QString &path)
    {
        m_picture = QPixmap();
        m_file = path;
    }
    QPixmap get() const
    {
        if (!m_file.isEmpty())
            m_picture = readPicture(std::exchange(m_file, QString()));
        return m_picture;
    }

private:
    mutable QPixmap m_picture;
    mutable QString m_file; // not read yet
};

} // namespace abacolo
