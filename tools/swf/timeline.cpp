#include "tools/swf/timeline.h"

#include "tools/swf/tags.h"

#include <stdexcept>

namespace abacolo::swf {

namespace {

enum PlaceFlag : std::uint8_t {
    Move = 0x01,
    HasCharacter = 0x02,
    HasMatrix = 0x04,
    HasColorTransform = 0x08,
    HasName = 0x20,
};

QByteArray placeObject(std::uint16_t depth, const Placement *place, bool placeNew, bool matrix, bool color)
{
    BitWriter w;
    std::uint8_t flags = placeNew ? HasCharacter : Move;
    if (matrix)
        flags |= HasMatrix;
    if (color)
        flags |= HasColorTransform;
    const bool named = placeNew && !place->name.isEmpty();
    if (named)
        flags |= HasName;
    w.u8(flags);
    w.u16(depth);
    if (placeNew)
        w.u16(place->character);
    if (matrix)
        w.matrix(place->matrix);
    if (color)
        w.colorTransformWithAlpha(place->color);
    if (named)
        w.string(place->name.toUtf8());
    return tag(TagCode::PlaceObject2, w.data());
}

} // namespace

QByteArray Timeline::frame(const Scene &scene, const Actions &actions, const QString &label,
                           const std::vector<SoundStart> &sounds)
{
    QByteArray out;
    if (!label.isEmpty()) {
        BitWriter w;
        w.string(label.toUtf8());
        out += tag(TagCode::FrameLabel, w.data());
    }
    // Gone, or now showing another character: remove first.
    for (const auto &[depth, old] : m_shown) {
        const auto now = scene.find(depth);
        if (now == scene.end() || now->second.character != old.character || now->second.name != old.name) {
            BitWriter w;
            w.u16(depth);
            out += tag(TagCode::RemoveObject2, w.data());
        }
    }
    for (const auto &[depth, place] : scene) {
        if (place.character == 0)
            throw std::invalid_argument("character id 0 cannot be placed");
        const auto old = m_shown.find(depth);
        if (old == m_shown.end() || old->second.character != place.character || old->second.name != place.name) {
            out += placeObject(depth, &place, true, !place.matrix.isIdentity(), !place.color.isIdentity());
        } else if (!(old->second == place)) {
            out += placeObject(depth, &place, false, old->second.matrix != place.matrix,
                               !(old->second.color == place.color));
        }
    }
    for (const SoundStart &sound : sounds) {
        if (sound.sound == 0)
            throw std::invalid_argument("sound id 0 cannot be started");
        out += tag(TagCode::StartSound, sound.encode());
    }
    if (!actions.isEmpty())
        out += tag(TagCode::DoAction, actions.encode());
    out += tag(TagCode::ShowFrame);
    m_shown = scene;
    ++m_frames;
    return out;
}

QByteArray Sprite::encode(std::uint16_t id) const
{
    BitWriter w;
    w.u16(id);
    w.u16(std::uint16_t(m_timeline.frameCount()));
    w.bytes(m_tags);
    w.bytes(tag(TagCode::End));
    return w.data();
}

} // namespace abacolo::swf
