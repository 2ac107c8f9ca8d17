#pragma once

#include <QPixmap>
#include <QString>

namespace abacolo {

// The picture of a file or resource, read by the format its suffix names; a null picture when
// the file is missing or not of that format. Left to guess, Qt's reader asks every installed
// image plugin whether it knows the content, loading each plugin and its libraries on the way.
// A resource is read once and its picture shared by every control showing it.
QPixmap readPicture(const QString &path);

} // namespace abacolo
