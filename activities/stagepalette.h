#pragma once

// The colours the activity stages share, so the windows read as one set on their black stage.
#include <QColor>

namespace abacolo::StagePalette {

inline constexpr QColor Mark(255, 204, 51);       // the answer chosen or shown, the level stars
inline constexpr QColor LitFace(255, 236, 170);   // a card or stone counted so far
inline constexpr QColor CountText(230, 40, 40);   // the number on a lit card
inline constexpr QColor DarkFace(34, 34, 40);     // a card not yet turned or counted
inline constexpr QColor DoneFace(56, 142, 60);    // the "好了" button
inline constexpr QColor Paper(255, 250, 235);     // card and clock faces
inline constexpr QColor Blue(66, 165, 245);       // card backs, shapes to cut, the clock's rim

} // namespace abacolo::StagePalette
