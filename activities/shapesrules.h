#pragma once

#include <QColor>
#include <QList>
#include <QString>

namespace abacolo {

class RandomGenerator;

enum class ShapeKind { Circle, Square, Triangle, Rectangle, Oval, Star, Diamond, Pentagon, Hexagon };

// The name a child hears ("圆形") and the clip that asks for it ("find_circle").
QString shapeName(ShapeKind kind);
QString shapeClip(ShapeKind kind);

// One shape on the stage: its kind and how it is drawn.
struct ShapeItem
{
    ShapeKind kind = ShapeKind::Circle;
    QColor colour;
    double scale = 1.0; // of the card's drawing area
    double turn = 0;    // degrees, clockwise
};

// A question of the shapes activity: find the one shape of kind `asked` among `items`.
struct ShapeQuestion
{
    ShapeKind asked = ShapeKind::Circle;
    QList<ShapeItem> items;

    int answerIndex() const;
};

// Levels 1 … ShapeLevels: circle, square and triangle among four shapes; then rectangle and
// oval among five; star and diamond; pentagon and hexagon among six; and last the same
// shapes in different sizes, colours and turns. Up to then one question has one colour.
constexpr int ShapeLevels = 5;
int shapeKindsAt(int level);
int shapeCountAt(int level);

ShapeQuestion drawShapeQuestion(RandomGenerator &random, int level);

} // namespace abacolo
