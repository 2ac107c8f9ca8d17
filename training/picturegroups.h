#pragma once

#include <QString>
#include <array>

namespace abacolo {

class ImageButton;

// The ten picture places of one group column in the addition and subtraction trainings, in
// the order a group fills them: the left column from top to bottom, then the right column.
using PicturePlaces = std::array<ImageButton *, 10>;

// The animation frame (1 or 2) of a picture set (0 … 5): "t1", "k2", … "h2".
QString animationFrame(int pictureSet, int frame);

// Shows the first `count` places and hides the others.
void showFirstPlaces(const PicturePlaces &places, int count);

} // namespace abacolo
