#pragma once

#include <QList>
#include <QPainterPath>
#include <QString>

namespace abacolo {

// Line art of the sheets: outlines only, to colour in or trace, drawn as vector paths.
enum class Art {
    // Shapes, in the order the colouring steps bring them in.
    Circle, Square, Triangle, Rectangle, Oval, Diamond, Star, Heart, Pentagon, Hexagon,
    Semicircle, Trapezoid,
    // Simple objects.
    Apple, Fish, House, Car, Flower, Sun, Cat, Tree, Balloon, Boat,
};

QList<Art> shapeArts();
QList<Art> objectArts();
// The Chinese name of a picture ("圆形", "苹果").
QString artName(Art art);

// The outline of a picture, as large as fits in `box` without changing its proportions.
QPainterPath artPath(Art art, const QRectF &box);

// The outlines of a text's characters in the sheets' CJK face, centred and as large as fits
// in `box`.
QPainterPath glyphPath(const QString &text, const QRectF &box);

// How a digit is written: its strokes in writing order, each path starting where the pencil
// goes down, fitted into `box`.
QList<QPainterPath> digitStrokes(int digit, const QRectF &box);

} // namespace abacolo
