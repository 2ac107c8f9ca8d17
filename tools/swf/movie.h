#pragma once

#include "tools/swf/bitwriter.h"
#include "tools/swf/button.h"
#include "tools/swf/shape.h"
#include "tools/swf/sound.h"
#include "tools/swf/timeline.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <cstdint>
#include <stdexcept>

namespace abacolo::swf {

class WriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

enum class Compression { None, Zlib };

// A movie file being written: header settings, character definitions and the main
// timeline, in the order they are added. Define a character before a frame shows it.
class Movie
{
public:
    // Stage size in pixels, frames per second (a multiple of 1/256), background colour and
    // file format version (6 to 10).
    Movie(QSize stage, double frameRate, Rgba background, int version = 8);

    QSize stage() const { return m_stage; }
    double frameRate() const { return m_frameRate; }

    std::uint16_t defineShape(const Shape &shape, ShapeTag tag = ShapeTag::Auto);
    std::uint16_t defineButton(const Button &button);
    std::uint16_t defineSprite(const Sprite &sprite);
    std::uint16_t defineSound(const Sound &sound);

    // Appends a frame of the main timeline showing `scene`, starting `sounds` as it shows.
    void showFrame(const Scene &scene, const Actions &actions = {}, const QString &label = {},
                   const std::vector<SoundStart> &sounds = {});
    int frameCount() const { return m_timeline.frameCount(); }

    // The whole file: "FWS" uncompressed or "CWS" with everything after the first eight bytes
    // compressed by zlib.
    QByteArray bytes(Compression compression = Compression::Zlib) const;
    // Writes the file, replacing any old one only once the new one is complete.
    void save(const QString &path, Compression compression = Compression::Zlib) const;

private:
    std::uint16_t nextId();

    QSize m_stage;
    double m_frameRate;
    Rgba m_background;
    int m_version;
    std::uint16_t m_lastId = 0;
    Timeline m_timeline;
    QByteArray m_tags;
};

} // namespace abacolo::swf
