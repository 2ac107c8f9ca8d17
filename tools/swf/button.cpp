#include "tools/swf/button.h"

#include "tools/swf/bitwriter.h"

#include <stdexcept>

namespace abacolo::swf {

namespace {
// Condition bit of "released while over the button" in a button action's condition word.
constexpr std::uint16_t kOverDownToOverUp = 0x0008;
} // namespace

Button &Button::show(std::uint16_t character, std::uint8_t states, std::uint16_t depth,
                     const QTransform &matrix)
{
    if (states == 0 || (states & ~0x0F) != 0)
        throw std::invalid_argument("a button record needs one or more states");
    m_records.push_back({character, states, depth, matrix});
    return *this;
}

Button &Button::onClick(const Actions &actions)
{
    m_click = actions;
    return *this;
}

QByteArray Button::encode(std::uint16_t id) const
{
    BitWriter records;
    for (const Record &r : m_records) {
        records.u8(r.states);
        records.u16(r.character);
        records.u16(r.depth);
        records.matrix(r.matrix);
        records.colorTransformWithAlpha({});
    }
    records.u8(0); // end of characters

    BitWriter w;
    w.u16(id);
    w.u8(0); // not a menu button
    if (m_click.isEmpty()) {
        w.u16(0);
        w.bytes(records.data());
        return w.data();
    }
    // Offset from the offset field itself to the first condition action.
    const int offset = 2 + records.size();
    if (offset > 0xFFFF)
        throw std::range_error("button too large");
    w.u16(std::uint16_t(offset));
    w.bytes(records.data());
    w.u16(0); // size of this condition action: 0, it is the last
    w.u16(kOverDownToOverUp);
    w.bytes(m_click.encode());
    return w.data();
}

} // namespace abacolo::swf
