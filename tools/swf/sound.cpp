#include "tools/swf/sound.h"

#include "tools/swf/bitwriter.h"

#include <stdexcept>

namespace abacolo::swf {

namespace {
constexpr int kUncompressedLittleEndian = 3;
constexpr int kRates[] = {5512, 11025, 22050, 44100};
constexpr std::uint8_t kSyncStop = 0x20;
} // namespace

QByteArray Sound::encode(std::uint16_t id) const
{
    int rateCode = -1;
    for (int i = 0; i < 4; ++i)
        if (kRates[i] == rate)
            rateCode = i;
    if (rateCode < 0)
        throw std::invalid_argument("a movie sound plays at 5512, 11025, 22050 or 44100 samples a second");
    if (samples.empty())
        throw std::invalid_argument("a movie sound needs samples");
    if (samples.size() > 0xFFFFFFFFu / 2)
        throw std::range_error("sound too long");
    BitWriter w;
    w.u16(id);
    w.ub(kUncompressedLittleEndian, 4);
    w.ub(std::uint32_t(rateCode), 2);
    w.ub(1, 1); // 16-bit samples
    w.ub(0, 1); // mono
    w.u32(std::uint32_t(samples.size()));
    for (const std::int16_t s : samples)
        w.u16(std::uint16_t(s));
    return w.data();
}

QByteArray SoundStart::encode() const
{
    BitWriter w;
    w.u16(sound);
    w.u8(stop ? kSyncStop : 0); // no envelope, loops or in and out points
    return w.data();
}

} // namespace abacolo::swf
