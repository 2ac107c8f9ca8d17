#include "tools/swf/tags.h"

#include "tools/swf/bitwriter.h"

#include <stdexcept>

namespace abacolo::swf {

QByteArray tag(TagCode code, QByteArrayView body)
{
    BitWriter w;
    const auto c = std::uint16_t(code);
    if (body.size() < 0x3F) {
        w.u16(std::uint16_t((c << 6) | body.size()));
    } else {
        if (body.size() > 0x7FFFFFFF)
            throw std::range_error("tag too large");
        w.u16(std::uint16_t((c << 6) | 0x3F));
        w.u32(std::uint32_t(body.size()));
    }
    w.bytes(body);
    return w.data();
}

} // namespace abacolo::swf
