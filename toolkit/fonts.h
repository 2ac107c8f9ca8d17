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

// Makes the font names of the layouts resolve to the program's faces, or to the installed CJK
// faces where those are not registered. Call once at start.
void installFontSubstitutes();

// Registers the program's own faces: the CJK faces cut down to the characters of the
// program's texts, a small part of the full faces to load and keep in memory. A character
// they lack is drawn from the installed CJK faces. Returns false when one cannot be
// registered (text then comes from the installed faces alone).
bool registerProgramFaces();

// The family names of the program's sans and serif faces.
QString programSansFamily();
QString programSerifFamily();

// A transparent label at a position, in a font and colour.
QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent, QPoint at,
                  const QFont &font, const QColor &colour);

} // namespace abacolo
