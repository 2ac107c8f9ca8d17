#include "training/picturegroups.h"

#include "toolkit/imagebutton.h"

using namespace Qt::StringLiterals;

namespace abacolo {

QString animationFrame(int pictureSet, int frame)
{
    // Turtles, rabbits, fish, puppies, butterflies, elephants.
    static const std::array<QString, 6> kinds{u"t"_s, u"k"_s, u"x"_s, u"f"_s, u"ff"_s, u"h"_s};
    return kinds.at(size_t(pictureSet)) + QString::number(frame);
}

void showFirstPlaces(const PicturePlaces &places, int count)
{
    for (int place = 0; place < 10; ++place)
        places.at(size_t(place))->setVisible(place < count);
}

} // namespace abacolo
