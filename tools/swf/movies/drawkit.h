#pragma once

// Paths and little figures the movies are drawn from: plain geometry, text as glyph
// outlines, and friendly pictures for children (fruit, animals, faces, stars).

#include "tools/swf/shape.h"

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace abacolo::movies {

using swf::Rgba;
using swf::Shape;

namespace colour {
inline const Rgba teal = Rgba::hex(0x006370);
inline const Rgba darkTeal = Rgba::hex(0x00434C);
inline const Rgba lightTeal = Rgba::hex(0x0B7A86);
inline const Rgba cream = Rgba::hex(0xFFF8E7);
inline const Rgba white = Rgba::hex(0xFFFFFF);
inline const Rgba ink = Rgba::hex(0x3A2E28);
inline const Rgba red = Rgba::hex(0xE53935);
inline const Rgba orange = Rgba::hex(0xFB8C00);
inline const Rgba yellow = Rgba::hex(0xFDD835);
inline const Rgba gold = Rgba::hex(0xFFB300);
inline const Rgba green = Rgba::hex(0x43A047);
inline const Rgba leaf = Rgba::hex(0x66BB6A);
inline const Rgba blue = Rgba::hex(0x1E88E5);
inline const Rgba purple = Rgba::hex(0x8E24AA);
inline const Rgba pink = Rgba::hex(0xF06292);
inline const Rgba brown = Rgba::hex(0x6D4C41);
inline const Rgba grey = Rgba::hex(0x9E9E9E);
} // namespace colour

// A colour mixed towards white (amount 0..1) or towards black.
Rgba lighter(Rgba c, double amount);
Rgba darker(Rgba c, double amount);

QPainterPath circle(QPointF centre, double radius);
QPainterPath ellipse(QPointF centre, double rx, double ry);
QPainterPath roundedRect(const QRectF &rect, double radius);
QPainterPath star(QPointF centre, double outer, double inner, int points = 5, double rotationDeg = 0);
QPainterPath heart(QPointF centre, double size);
QPainterPath triangle(QPointF centre, double size);
QPainterPath square(QPointF centre, double size);
QPainterPath diamond(QPointF centre, double size);
// An open arc (for smiles) around a centre, angles in degrees clockwise from 3 o'clock.
QPainterPath arc(QPointF centre, double rx, double ry, double startDeg, double sweepDeg);

// Text drawn as filled glyph outlines, centred on a point.
void text(Shape &shape, const QString &text, int pixelSize, QPointF centre, Rgba fill);
// Text with an outline around it, as on a sticker.
void stickerText(Shape &shape, const QString &text, int pixelSize, QPointF centre, Rgba fill,
                 Rgba outline, double outlineWidth);

// A white card with a soft shadow, the ground of a choice or a panel.
void card(Shape &shape, const QRectF &rect, Rgba fill = colour::white, Rgba border = Rgba::hex(0xD7E3E5));

// Pictures, each centred on a point and about `size` pixels tall.
void apple(Shape &shape, QPointF centre, double size);
void ladybug(Shape &shape, QPointF centre, double size);
void fish(Shape &shape, QPointF centre, double size, Rgba body = colour::orange, bool facingLeft = false);
void starFigure(Shape &shape, QPointF centre, double size, Rgba fill = colour::yellow);
void balloon(Shape &shape, QPointF centre, double size, Rgba fill);
void ball(Shape &shape, QPointF centre, double size, Rgba fill);
void egg(Shape &shape, QPointF centre, double size);
void duckling(Shape &shape, QPointF centre, double size);
void flower(Shape &shape, QPointF centre, double size, Rgba petals);
// A pencil lying left to right, `length` long, its point at the right.
void pencilLying(Shape &shape, QPointF leftCentre, double length, double thickness, Rgba body);
// A pencil standing upright, its point at the bottom (for the "1 looks like a pencil" rhyme).
void pencilStanding(Shape &shape, QPointF centre, double size);
// The rhyme pictures of the digits 3 to 9: an ear, a red flag on its pole, a steelyard hook
// with a cabbage, a whistle, a sickle, a gourd, a spoon.
void ear(Shape &shape, QPointF centre, double size);
void flag(Shape &shape, QPointF centre, double size);
void scaleHook(Shape &shape, QPointF centre, double size);
void whistle(Shape &shape, QPointF centre, double size);
void sickle(Shape &shape, QPointF centre, double size);
void gourd(Shape &shape, QPointF centre, double size);
void spoon(Shape &shape, QPointF centre, double size);
// A geometric figure by name: "circle", "star", "triangle", "square", "heart", "diamond".
void figure(Shape &shape, const QString &name, QPointF centre, double size, Rgba fill);
// A big friendly number in a coloured disc.
void numberDisc(Shape &shape, int number, QPointF centre, double radius, Rgba disc);

void smileyFace(Shape &shape, QPointF centre, double radius);
void encouragingFace(Shape &shape, QPointF centre, double radius);
void sunDisc(Shape &shape, QPointF centre, double radius);
void sunRays(Shape &shape, QPointF centre, double inner, double outer, int rays);
void cloud(Shape &shape, QPointF centre, double width, Rgba fill = colour::white);

} // namespace abacolo::movies
