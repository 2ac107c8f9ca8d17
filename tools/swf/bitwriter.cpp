#include "tools/swf/bitwriter.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace abacolo::swf {

int BitWriter::unsignedBits(std::uint32_t value)
{
    int bits = 0;
    while (value != 0) {
        ++bits;
        value >>= 1;
    }
    return bits;
}

int BitWriter::signedBits(std::int32_t value)
{
    // One sign bit plus the magnitude bits of the value (or of its complement when negative).
    const auto magnitude = value < 0 ? std::uint32_t(~value) : std::uint32_t(value);
    return unsignedBits(magnitude) + 1;
}

std::int32_t BitWriter::toFixed(double value)
{
    const double scaled = std::round(value * 65536.0);
    if (scaled > 2147483647.0 || scaled < -2147483648.0)
        throw std::range_error("fixed-point value out of range");
    return std::int32_t(scaled);
}

void BitWriter::ub(std::uint32_t value, int bits)
{
    if (bits < 0 || bits > 32 || (bits < 32 && (value >> bits) != 0))
        throw std::range_error("value does not fit its bit field");
    for (int i = bits - 1; i >= 0; --i) {
        m_pending = std::uint8_t((m_pending << 1) | ((value >> i) & 1u));
        if (++m_pendingBits == 8) {
            m_bytes.append(char(m_pending));
            m_pending = 0;
            m_pendingBits = 0;
        }
    }
}

void BitWriter::sb(std::int32_t value, int bits)
{
    if (bits > 32 || (bits < signedBits(value) && !(bits == 0 && value == 0)))
        throw std::range_error("signed value does not fit its bit field");
    const std::uint32_t mask = bits == 32 ? 0xFFFFFFFFu : ((1u << bits) - 1u);
    ub(std::uint32_t(value) & mask, bits);
}

void BitWriter::align()
{
    if (m_pendingBits > 0)
        ub(0, 8 - m_pendingBits);
}

void BitWriter::u8(std::uint8_t value)
{
    align();
    m_bytes.append(char(value));
}

void BitWriter::u16(std::uint16_t value)
{
    u8(std::uint8_t(value & 0xFF));
    u8(std::uint8_t(value >> 8));
}

void BitWriter::u32(std::uint32_t value)
{
    u16(std::uint16_t(value & 0xFFFF));
    u16(std::uint16_t(value >> 16));
}

void BitWriter::bytes(QByteArrayView data)
{
    align();
    m_bytes.append(data.data(), data.size());
}

void BitWriter::string(QByteArrayView text)
{
    if (text.contains('\0'))
        throw std::invalid_argument("a movie string cannot hold a NUL character");
    bytes(text);
    u8(0);
}

void BitWriter::rgb(Rgba c)
{
    u8(c.r);
    u8(c.g);
    u8(c.b);
}

void BitWriter::rgba(Rgba c)
{
    rgb(c);
    u8(c.a);
}

void BitWriter::rect(int xMin, int xMax, int yMin, int yMax)
{
    const std::int32_t values[] = {xMin, xMax, yMin, yMax};
    int bits = 0;
    for (auto v : values)
        bits = std::max(bits, signedBits(v));
    align();
    ub(std::uint32_t(bits), 5);
    for (auto v : values)
        sb(v, bits);
    align();
}

void BitWriter::matrix(const QTransform &m)
{
    align();
    const bool hasScale = m.m11() != 1.0 || m.m22() != 1.0;
    ub(hasScale ? 1 : 0, 1);
    if (hasScale) {
        const int bits = std::max(fixedBits(m.m11()), fixedBits(m.m22()));
        ub(std::uint32_t(bits), 5);
        fb(m.m11(), bits);
        fb(m.m22(), bits);
    }
    const bool hasRotate = m.m12() != 0.0 || m.m21() != 0.0;
    ub(hasRotate ? 1 : 0, 1);
    if (hasRotate) {
        const int bits = std::max(fixedBits(m.m12()), fixedBits(m.m21()));
        ub(std::uint32_t(bits), 5);
        fb(m.m12(), bits); // RotateSkew0: x's share of y'
        fb(m.m21(), bits); // RotateSkew1: y's share of x'
    }
    const std::int32_t tx = twips(m.dx());
    const std::int32_t ty = twips(m.dy());
    const int bits = (tx == 0 && ty == 0) ? 0 : std::max(signedBits(tx), signedBits(ty));
    ub(std::uint32_t(bits), 5);
    sb(tx, bits);
    sb(ty, bits);
    align();
}

void BitWriter::colorTransformWithAlpha(const ColorTransform &c)
{
    align();
    const bool add = c.hasAdd();
    const bool mult = c.hasMult();
    const int mults[] = {c.redMult, c.greenMult, c.blueMult, c.alphaMult};
    const int adds[] = {c.redAdd, c.greenAdd, c.blueAdd, c.alphaAdd};
    int bits = 1;
    for (int i = 0; i < 4; ++i) {
        if (mult)
            bits = std::max(bits, signedBits(mults[i]));
        if (add)
            bits = std::max(bits, signedBits(adds[i]));
    }
    if (bits > 15)
        throw std::range_error("colour transform term out of range");
    ub(add ? 1 : 0, 1);
    ub(mult ? 1 : 0, 1);
    ub(std::uint32_t(bits), 4);
    if (mult)
        for (int v : mults)
            sb(v, bits);
    if (add)
        for (int v : adds)
            sb(v, bits);
    align();
}

const QByteArray &BitWriter::data()
{
    align();
    return m_bytes;
}

} // namespace abacolo::swf
