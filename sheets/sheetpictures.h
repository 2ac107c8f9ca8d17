#pragma once

#include <QPixmap>

namespace abacolo {

// The pictures of the calculation sheet's two buttons, drawn by the program, 48 × 48:
// a fresh exercise sheet with a pencil (a new sheet) and a sheet with a big red tick (mark).
QPixmap newSheetPicture();
QPixmap markPicture();

} // namespace abacolo
