#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

namespace abacolo::swf {

// Codes of the tags this writer emits.
enum class TagCode : std::uint16_t {
    End = 0,
    ShowFrame = 1,
    DefineShape = 2,
    SetBackgroundColor = 9,
    DoAction = 12,
    DefineSound = 14,
    StartSound = 15,
    DefineShape2 = 22,
    PlaceObject2 = 26,
    RemoveObject2 = 28,
    DefineShape3 = 32,
    DefineButton2 = 34,
    DefineSprite = 39,
    FrameLabel = 43,
    FileAttributes = 69,
};

// A whole tag: its header (short form for bodies under 63 bytes, long form otherwise) and body.
QByteArray tag(TagCode code, QByteArrayView body = {});

} // namespace abacolo::swf
