#pragma once

#include "tools/swf/actions.h"

#include <QTransform>

#include <cstdint>
#include <vector>

namespace abacolo::swf {

// The button states a character is shown in.
enum ButtonState : std::uint8_t {
    Up = 0x01,
    Over = 0x02,
    Down = 0x04,
    HitTest = 0x08, // the area that reacts to the mouse
};

// A push button: characters for its states and the actions run when it is clicked (the
// mouse released over it).
class Button
{
public:
    Button &show(std::uint16_t character, std::uint8_t states, std::uint16_t depth,
                 const QTransform &matrix = {});
    Button &onClick(const Actions &actions);

    const Actions &clickActions() const { return m_click; }
    // The body of a DefineButton2 tag.
    QByteArray encode(std::uint16_t id) const;

private:
    struct Record
    {
        std::uint16_t character;
        std::uint8_t states;
        std::uint16_t depth;
        QTransform matrix;
    };
    std::vector<Record> m_records;
    Actions m_click;
};

} // namespace abacolo::swf
