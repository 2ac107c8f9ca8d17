#pragma once

#include <QPixmap>

namespace abacolo {

// A control whose picture can be replaced by a named picture resource.
class PictureTarget
{
public:
    virtual ~PictureTarget() = default;
    virtual void setPicture(const QPixmap &picture) = 0;
    virtual QPixmap picture() const = 0;
};

} // namespace abacolo
