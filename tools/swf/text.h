#pragma once

#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QString>

namespace abacolo::swf {

// The face movie texts are drawn in; it covers Chinese, Latin letters and digits.
inline constexpr auto kMovieFontFamily = u"Noto Sans CJK SC";

// The movie face at a pixel size. Throws WriteError when the face is not installed, so a
// movie never silently gets another face's outlines.
QFont movieFont(int pixelSize, bool bold = true);

// The outline of a text with its baseline starting at the origin. Where contours overlap
// (or nest turning the same way) the outline is merged first, so that the even-odd fill of
// movie players shows every glyph whole.
QPainterPath textPath(const QString &text, const QFont &font);

// The outline of a text centred on a point (by the outline's own bounds).
QPainterPath textPathCentredAt(const QString &text, const QFont &font, QPointF centre);

} // namespace abacolo::swf
