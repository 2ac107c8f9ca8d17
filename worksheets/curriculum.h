#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace abacolo {

// What a worksheet asks of the child.
enum class Kind {
    ColourShapes,          // geometric shapes to colour, from one large circle to scenes
    ColourGlyphs,          // outlined digits and letters to colour
    ColourObjects,         // outlined objects to colour
    TraceShapes,           // dotted shapes to trace
    TraceGlyphs,           // dotted digits and letters to trace
    TraceObjects,          // dotted objects to trace
    CircleCount,           // count the pictures, circle the number
    HorizontalLines,       // join each picture to its twin with a line
    VerticalLines,
    SlantedLines,
    TraceDigits,           // grey digits on 田字格 with start dots and stroke order
    WriteDigits,           // a model digit, then empty 田字格 cells
    CountPictures,         // count the pictures, write the number in the box
    FillSequence,          // runs of numbers with gaps
    Addition,              // a + b
    Subtraction,           // a − b
    AdditionChain,         // a + b + c …
    SubtractionChain,      // a − b − c …
    MixedChain,            // a + b − c …
    MissingAddend,         // a + (  ) = c
    SplitSum,              // c = (  ) + (  )
    MissingSubtrahend,     // a − (  ) = c
    SplitDifference,       // a − (  ) = (  )
    Multiplication,        // a × b
    Division,              // a ÷ b without remainder
    DivisionWithRemainder, // a ÷ b = q …… r
    ColumnAddition,        // written one above the other, with the line
    ColumnSubtraction,
    ColumnMultiplication,
};

// A kind and the parameters that set its difficulty. Which fields count depends on the kind:
// - level: the step of a picture sheet inside its group (how many and which pictures);
// - glyphs: the digits and letters of a glyph sheet;
// - low … high: the counts of a counting sheet, the digits of a digit sheet, the operand the
//   caption names (the addend, the subtrahend, a factor, the divisor);
// - limit: no number in an exercise goes above it (sum, minuend, every step of a chain, the
//   total of a combination, a product, the largest quotient of a division);
// - steps: the operations of a chain;
// - unit: every operand is a multiple of it (whole tens);
// - other: the smallest value of the operand the caption does not name.
struct Recipe
{
    Kind kind;
    int level = 0;
    int low = 0;
    int high = 0;
    int limit = 0;
    int steps = 1;
    int unit = 1;
    int other = 1;
    QString glyphs = {};
};

// One entry of an age tab: where it stands in the menu and the sheet it makes.
struct CurriculumEntry
{
    QString tab;     // the age tab's caption
    QString page;    // the caption of its numbered page
    QString group;   // the caption of its group
    QString caption; // the entry's caption
    Recipe recipe;
};

// Every entry of the four age tabs in menu order: tab, page, group, entry.
const QList<CurriculumEntry> &curriculum();

// Finding an entry for the command line: by its 1-based number in curriculum(), or by its
// caption, narrowed by tab and group. Spaces never count in these comparisons.
struct EntryLookup
{
    std::optional<int> index;   // the entry found
    QList<int> candidates;      // more than one matched: the entries in question
};
EntryLookup findEntry(const QString &numberOrCaption, const QString &tab = QString(),
                      const QString &group = QString());

} // namespace abacolo
