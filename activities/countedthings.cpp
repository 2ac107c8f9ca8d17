#include "activities/countedthings.h"

using namespace Qt::StringLiterals;

namespace abacolo {

QStringList countedThings()
{
    return {u"apple"_s, u"orange"_s, u"strawberry"_s, u"pear"_s,     u"peach"_s,
            u"lemon"_s, u"chick"_s,  u"fish"_s,       u"ladybird"_s, u"butterfly"_s};
}

} // namespace abacolo
