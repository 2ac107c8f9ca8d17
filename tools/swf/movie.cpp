#include "tools/swf/movie.h"

#include "tools/swf/tags.h"

#include <QSaveFile>

#include <cmath>

namespace abacolo::swf {

Movie::Movie(QSize stage, double frameRate, Rgba background, int version)
    : m_stage(stage), m_frameRate(frameRate), m_background(background), m_version(version)
{
    if (stage.width() <= 0 || stage.height() <= 0 || stage.width() > 8000 || stage.height() > 8000)
        throw WriteError("stage size out of range");
    if (!(frameRate > 0.0) || frameRate >= 256.0 || std::round(frameRate * 256.0) != frameRate * 256.0)
        throw WriteError("frame rate must be a positive multiple of 1/256 below 256");
    if (version < 6 || version > 10)
        throw WriteError("file version must be 6 to 10");
}

std::uint16_t Movie::nextId()
{
    if (m_lastId == 0xFFFF)
        throw WriteError("too many characters");
    return ++m_lastId;
}

std::uint16_t Movie::defineShape(const Shape &shape, ShapeTag tagKind)
{
    if (tagKind == ShapeTag::Auto)
        tagKind = shape.smallestTag();
    const std::uint16_t id = nextId();
    const TagCode code = tagKind == ShapeTag::DefineShape    ? TagCode::DefineShape
                         : tagKind == ShapeTag::DefineShape2 ? TagCode::DefineShape2
                                                             : TagCode::DefineShape3;
    m_tags += tag(code, shape.encode(id, tagKind));
    return id;
}

std::uint16_t Movie::defineButton(const Button &button)
{
    const std::uint16_t id = nextId();
    m_tags += tag(TagCode::DefineButton2, button.encode(id));
    return id;
}

std::uint16_t Movie::defineSprite(const Sprite &sprite)
{
    const std::uint16_t id = nextId();
    m_tags += tag(TagCode::DefineSprite, sprite.encode(id));
    return id;
}

std::uint16_t Movie::defineSound(const Sound &sound)
{
    const std::uint16_t id = nextId();
    m_tags += tag(TagCode::DefineSound, sound.encode(id));
    return id;
}

void Movie::showFrame(const Scene &scene, const Actions &actions, const QString &label,
                      const std::vector<SoundStart> &sounds)
{
    if (m_timeline.frameCount() == 0xFFFF)
        throw WriteError("too many frames");
    m_tags += m_timeline.frame(scene, actions, label, sounds);
}

QByteArray Movie::bytes(Compression compression) const
{
    BitWriter body;
    body.rect(0, twips(m_stage.width()), 0, twips(m_stage.height()));
    body.u16(std::uint16_t(std::lround(m_frameRate * 256.0)));
    body.u16(std::uint16_t(m_timeline.frameCount()));
    if (m_version >= 8) {
        BitWriter attributes;
        attributes.u32(0); // ActionScript 1/2, no network use, no metadata
        body.bytes(tag(TagCode::FileAttributes, attributes.data()));
    }
    BitWriter background;
    background.rgb(m_background);
    body.bytes(tag(TagCode::SetBackgroundColor, background.data()));
    body.bytes(m_tags);
    body.bytes(tag(TagCode::End));

    const QByteArray &content = body.data();
    const qint64 fileLength = 8 + qint64(content.size());
    if (fileLength > 0xFFFFFFFFLL)
        throw WriteError("movie too large");
    BitWriter file;
    file.bytes(compression == Compression::Zlib ? "CWS" : "FWS");
    file.u8(std::uint8_t(m_version));
    file.u32(std::uint32_t(fileLength));
    if (compression == Compression::Zlib)
        file.bytes(qCompress(content, 9).mid(4)); // qCompress puts a length before the zlib stream
    else
        file.bytes(content);
    return file.data();
}

void Movie::save(const QString &path, Compression compression) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw WriteError("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
    const QByteArray data = bytes(compression);
    if (file.write(data) != data.size() || !file.commit())
        throw WriteError("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
}

} // namespace abacolo::swf
