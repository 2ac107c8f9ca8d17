#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace abacolo {

// The Song face the layouts name ("宋体", SimSun), mapped to the CJK serif face we ship with.
QFont songFont(int pixelSize, bool bold = false);
// The plain interface face.
QFont uiFont(int pixelSize, bool bold = false);

// Makes the font names of the layouts resolve to installed CJK faces. Call once at start.
void installFontSubstitutes();

// A transparent label at a position, in a font and colour.
QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent, QPoint at,
                  const QFont &font, const QColor &colour);

} // namespace abacolo
