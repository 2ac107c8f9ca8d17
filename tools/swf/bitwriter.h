#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QTransform>

#include <cstdint>

namespace abacolo::swf {

// A colour with alpha; movies written without alpha simply drop it.
struct Rgba
{
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;

    static Rgba hex(std::uint32_t rgb, std::uint8_t alpha = 255)
    {
        return {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb), alpha};
    }
    bool operator==(const Rgba &) const = default;
};

// A colour transform as the movie format keeps it: each channel becomes
// channel * mult / 256 + add.
struct ColorTransform
{
    int redMult = 256, greenMult = 256, blueMult = 256, alphaMult = 256;
    int redAdd = 0, greenAdd = 0, blueAdd = 0, alphaAdd = 0;

    static ColorTransform opacity(double alpha)
    {
        ColorTransform c;
        c.alphaMult = int(alpha * 256.0 + 0.5);
        return c;
    }
    bool hasMult() const { return redMult != 256 || greenMult != 256 || blueMult != 256 || alphaMult != 256; }
    bool hasAdd() const { return redAdd != 0 || greenAdd != 0 || blueAdd != 0 || alphaAdd != 0; }
    bool isIdentity() const { return !hasMult() && !hasAdd(); }
    bool operator==(const ColorTransform &) const = default;
};

// Pixels to twips, the movie format's unit (1/20 pixel).
inline int twips(double pixels)
{
    return int(pixels * 20.0 + (pixels < 0 ? -0.5 : 0.5));
}

// Writes the little-endian bytes and most-significant-bit-first bit fields of a movie file.
// Byte writes first finish a partly written byte (bit fields are padded with zeros).
class BitWriter
{
public:
    // How many bits a field needs to hold the value (signed: two's complement).
    static int unsignedBits(std::uint32_t value);
    static int signedBits(std::int32_t value);
    // Bits of a 16.16 fixed-point field holding the value.
    static int fixedBits(double value) { return signedBits(toFixed(value)); }
    static std::int32_t toFixed(double value);

    void ub(std::uint32_t value, int bits);
    void sb(std::int32_t value, int bits);
    void fb(double value, int bits) { sb(toFixed(value), bits); }
    void align();

    void u8(std::uint8_t value);
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void bytes(QByteArrayView data);
    void string(QByteArrayView text); // UTF-8, NUL-terminated

    void rgb(Rgba c);
    void rgba(Rgba c);
    void rect(int xMin, int xMax, int yMin, int yMax); // in twips
    void matrix(const QTransform &m);  // translation in pixels
    void colorTransformWithAlpha(const ColorTransform &c);

    const QByteArray &data();
    int size() { return data().size(); }

private:
    QByteArray m_bytes;
    std::uint8_t m_pending = 0;
    int m_pendingBits = 0;
};

} // namespace abacolo::swf
