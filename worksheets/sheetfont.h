#pragma once

#include <QFont>

namespace abacolo {

// The sheets' face: the sans CJK face, by pixel size in the page's units.
QFont sheetFont(int pixelSize, bool bold = false);

} // namespace abacolo
