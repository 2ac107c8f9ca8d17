#pragma once

#include "worksheets/curriculum.h"
#include "worksheets/lineart.h"

#include <QList>
#include <QRectF>
#include <QString>

namespace abacolo {

// A picture of an exercise and where it stands, in the exercise's own unit square.
struct Figure
{
    Art art;
    QRectF box;
};

// One exercise of a sheet. Text exercises print `prompt` with "(    )" for each blank; picture
// exercises are drawn from `numbers`, `figures` and `glyphs` as their kind says.
struct Exercise
{
    QString prompt;
    QString answer;          // the answer key's line
    QList<int> numbers;      // operands, counts, digits, a run of numbers
    QList<int> blanks;       // the places of `numbers` left for the child to fill
    QList<Figure> figures;
    QString glyphs;
};

// A sheet made for an entry: title, one line telling what to do, the exercises and the seed
// that made them (the same seed always makes the same sheet).
struct Worksheet
{
    QString title;
    QString instruction;
    Recipe recipe;
    quint32 seed = 0;
    QList<Exercise> exercises;
};

// The blank the child writes in.
QString blank();

// Makes the sheet of an entry from a seed.
Worksheet makeWorksheet(const CurriculumEntry &entry, quint32 seed);

} // namespace abacolo
