#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace abacolo::swf {

// A sound clip as movies keep it here: mono, 16-bit samples, uncompressed (little-endian
// PCM). Every player decodes it exactly; zlib compression of the whole file still applies.
struct Sound
{
    int rate = 22050; // 5512, 11025, 22050 or 44100 samples a second
    std::vector<std::int16_t> samples;

    double seconds() const { return double(samples.size()) / rate; }
    // The body of a DefineSound tag. Throws std::invalid_argument for another rate or an
    // empty clip.
    QByteArray encode(std::uint16_t id) const;
};

// A sound started (or, with `stop`, stopped wherever it plays) when a frame is shown.
struct SoundStart
{
    std::uint16_t sound = 0;
    bool stop = false;

    bool operator==(const SoundStart &) const = default;
    // The body of a StartSound tag.
    QByteArray encode() const;
};

} // namespace abacolo::swf
