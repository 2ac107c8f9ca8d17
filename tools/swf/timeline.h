#pragma once

#include "tools/swf/actions.h"
#include "tools/swf/bitwriter.h"
#include "tools/swf/sound.h"

#include <QByteArray>
#include <QString>
#include <QTransform>

#include <cstdint>
#include <map>
#include <vector>

namespace abacolo::swf {

// What one depth of the display list shows.
struct Placement
{
    Placement() = default;
    Placement(std::uint16_t character, const QTransform &matrix = {}, const ColorTransform &color = {},
              const QString &name = {})
        : character(character), matrix(matrix), color(color), name(name)
    {
    }

    std::uint16_t character = 0;
    QTransform matrix;
    ColorTransform color;
    QString name; // lets actions address a placed clip (set when it is placed)

    bool operator==(const Placement &) const = default;
};

// A frame's whole display list: depth (painted from low to high) to what it shows.
using Scene = std::map<std::uint16_t, Placement>;

// Turns a sequence of frames, each described by its whole display list, into the placing,
// moving and removing tags that lead from one frame to the next.
class Timeline
{
public:
    // The tags of the next frame, ending with its ShowFrame. The actions run once the frame
    // is shown; a label names the frame; the sounds start (or stop) as it is shown.
    QByteArray frame(const Scene &scene, const Actions &actions = {}, const QString &label = {},
                     const std::vector<SoundStart> &sounds = {});

    int frameCount() const { return m_frames; }
    const Scene &shown() const { return m_shown; }

private:
    Scene m_shown;
    int m_frames = 0;
};

// A movie clip with a timeline of its own, which loops while its parent's timeline may stand.
class Sprite
{
public:
    void frame(const Scene &scene, const Actions &actions = {}, const std::vector<SoundStart> &sounds = {})
    {
        m_tags += m_timeline.frame(scene, actions, {}, sounds);
    }
    int frameCount() const { return m_timeline.frameCount(); }
    // The body of a DefineSprite tag.
    QByteArray encode(std::uint16_t id) const;

private:
    Timeline m_timeline;
    QByteArray m_tags;
};

} // namespace abacolo::swf
