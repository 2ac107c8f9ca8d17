#include "worksheets/sheetfont.h"

using namespace Qt::StringLiterals;

namespace abacolo {

QFont sheetFont(int pixelSize, bool bold)
{
    QFont font(u"Noto Sans CJK SC"_s);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // Outlines for print: no hinting towards a screen's pixel grid.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace abacolo
