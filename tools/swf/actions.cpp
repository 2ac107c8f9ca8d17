#include "tools/swf/actions.h"

#include <stdexcept>

namespace abacolo::swf {

Actions &Actions::simple(ActionCode code)
{
    m_bytes.append(char(code));
    return *this;
}

Actions &Actions::gotoFrame(int frame)
{
    if (frame < 0 || frame > 0xFFFF)
        throw std::range_error("frame number out of range");
    m_bytes.append(char(ActionCode::GotoFrame));
    m_bytes.append(char(2)).append(char(0)); // data length
    m_bytes.append(char(frame & 0xFF)).append(char(frame >> 8));
    return *this;
}

QByteArray Actions::encode() const
{
    QByteArray out = m_bytes;
    out.append(char(ActionCode::End));
    return out;
}

} // namespace abacolo::swf
