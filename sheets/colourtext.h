#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <optional>

namespace abacolo {

// The colour a colour text stands for, as the colour sets of the colouring exercise write it:
//
// - one of the 52 colour names, matched without regard to case: the 20 fixed colours
//   ("clBlack" … "clMedGray"), the 30 colours of the desktop ("clBtnFace", "clWindow",
//   "clHighlight", …), taken from `desktop`, and "clNone" (white) and "clDefault" (the
//   desktop's button face, a tile's own colour);
// - otherwise a whole number, decimal or hexadecimal after "$", with an optional sign, in the
//   32-bit range: its lowest byte is red, the next green and the next blue. The numbers of the
//   desktop colours ($FF000000 plus the colour's index), of "clNone" and of "clDefault" stand
//   for the same colours as their names.
//
// Blanks around the text are ignored. Returns nothing for a text that is neither a colour name
// nor such a number. Depends on nothing but its arguments.
std::optional<QColor> colourFromText(const QString &text, const QPalette &desktop);

} // namespace abacolo
