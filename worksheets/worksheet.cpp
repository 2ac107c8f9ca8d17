#include "worksheets/worksheet.h"

#include <QRandomGenerator>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

const QString Plus = u" + "_s;
const QString Minus = u" − "_s;
const QString Times = u" × "_s;
const QString Over = u" ÷ "_s;
const QString Equals = u" = "_s;

// The generator of one sheet; every draw of a sheet goes through it, so a seed repeats a sheet.
class Draw
{
public:
    explicit Draw(quint32 seed) : m_random(seed) {}

    // A whole number from `low` to `high`, both included.
    int between(int low, int high)
    {
        return high <= low ? low : low + int(m_random.bounded(quint32(high - low + 1)));
    }
    bool coin() { return between(0, 1) == 1; }
    template<typename T>
    T pick(const QList<T> &list) { return list.at(between(0, int(list.size()) - 1)); }
    template<typename T>
    void shuffle(QList<T> &list)
    {
        for (qsizetype i = list.size() - 1; i > 0; --i)
            list.swapItemsAt(i, between(0, int(i)));
    }
    // `count` different items of `list` in random order (all of them, repeating, if too few).
    template<typename T>
    QList<T> choose(const QList<T> &list, int count)
    {
        QList<T> chosen;
        while (chosen.size() < count) {
            QList<T> round = list;
            shuffle(round);
            chosen += round.mid(0, count - chosen.size());
        }
        return chosen;
    }

private:
    QRandomGenerator m_random;
};

QString n(int value) { return QString::number(value); }

// `count` exercises from `make`, without repeating a prompt while the kind has others to give.
QList<Exercise> distinct(int count, const std::function<Exercise()> &make)
{
    QList<Exercise> list;
    QSet<QString> seen;
    for (int tries = 0; list.size() < count; ++tries) {
        Exercise exercise = make();
        if (seen.contains(exercise.prompt) && tries < count * 20)
            continue;
        seen.insert(exercise.prompt);
        list.append(exercise);
    }
    return list;
}

Exercise textExercise(const QString &prompt, const QString &answer, QList<int> numbers)
{
    Exercise exercise;
    exercise.prompt = prompt;
    exercise.answer = answer;
    exercise.numbers = std::move(numbers);
    return exercise;
}

// a + b with b the named addend; everything counted in the recipe's unit.
Exercise addition(Draw &draw, const Recipe &r)
{
    const int limit = r.limit / r.unit;
    const int least = (r.other + r.unit - 1) / r.unit;
    const int b = draw.between((r.low + r.unit - 1) / r.unit, qMin(r.high / r.unit, limit - least)) * r.unit;
    const int a = draw.between(least, limit - b / r.unit) * r.unit;
    // A fixed addend may come first or second: both are adding it.
    if (r.low == r.high && draw.coin())
        return textExercise(n(b) + Plus + n(a) + Equals + blank(), n(b) + Plus + n(a) + Equals + n(a + b), {b, a});
    return textExercise(n(a) + Plus + n(b) + Equals + blank(), n(a) + Plus + n(b) + Equals + n(a + b), {a, b});
}

// a − b with b the named subtrahend; the difference never below zero.
Exercise subtraction(Draw &draw, const Recipe &r)
{
    const int limit = r.limit / r.unit;
    const int b = draw.between((r.low + r.unit - 1) / r.unit, qMin(r.high / r.unit, limit)) * r.unit;
    const int a = draw.between(b / r.unit, limit) * r.unit;
    return textExercise(n(a) + Minus + n(b) + Equals + blank(), n(a) + Minus + n(b) + Equals + n(a - b), {a, b});
}

// A chain of `steps` operations whose every intermediate result stays within 0 … limit, with
// signs: +1 adds, −1 subtracts, 0 lets each step choose (both appear).
Exercise chain(Draw &draw, const Recipe &r, int sign)
{
    for (;;) {
        int value = draw.between(sign < 0 ? r.steps : 1, r.limit - (sign > 0 ? r.steps : 0));
        QString prompt = n(value);
        QList<int> numbers{value};
        bool added = false;
        bool subtracted = false;
        for (int step = 0; step < r.steps; ++step) {
            const int left = r.steps - step - 1;
            const bool add = sign > 0 || (sign == 0 && (value == 0 || (value < r.limit && draw.coin())));
            if (add) {
                const int operand = draw.between(1, r.limit - value - (sign > 0 ? left : 0));
                value += operand;
                prompt += Plus + n(operand);
                numbers.append(operand);
                added = true;
            } else {
                const int operand = draw.between(1, value - (sign < 0 ? left : 0));
                value -= operand;
                prompt += Minus + n(operand);
                numbers.append(-operand);
                subtracted = true;
            }
        }
        if (sign == 0 && !(added && subtracted))
            continue;
        return textExercise(prompt + Equals + blank(), prompt + Equals + n(value), numbers);
    }
}

Exercise missingAddend(Draw &draw, const Recipe &r)
{
    const int sum = draw.between(2, r.limit);
    const int a = draw.between(1, sum - 1);
    const QString whole = n(a) + Plus + n(sum - a) + Equals + n(sum);
    if (draw.coin())
        return textExercise(n(a) + Plus + blank() + Equals + n(sum), whole, {a, sum - a, sum});
    return textExercise(blank() + Plus + n(sum - a) + Equals + n(sum), whole, {a, sum - a, sum});
}

Exercise splitSum(Draw &draw, const Recipe &r)
{
    const int sum = draw.between(2, r.limit);
    const int a = draw.between(1, sum - 1);
    return textExercise(n(sum) + Equals + blank() + Plus + blank(),
                        n(sum) + Equals + n(a) + Plus + n(sum - a) + u"（两数合起来是 "_s + n(sum)
                            + u" 都对）"_s,
                        {a, sum - a, sum});
}

Exercise missingSubtrahend(Draw &draw, const Recipe &r)
{
    const int a = draw.between(2, r.limit);
    const int b = draw.between(1, a - 1);
    const QString whole = n(a) + Minus + n(b) + Equals + n(a - b);
    if (draw.coin())
        return textExercise(n(a) + Minus + blank() + Equals + n(a - b), whole, {a, b, a - b});
    return textExercise(blank() + Minus + n(b) + Equals + n(a - b), whole, {a, b, a - b});
}

Exercise splitDifference(Draw &draw, const Recipe &r)
{
    const int a = draw.between(2, r.limit);
    const int b = draw.between(1, a - 1);
    return textExercise(n(a) + Minus + blank() + Equals + blank(),
                        n(a) + Minus + n(b) + Equals + n(a - b) + u"（两数合起来是 "_s + n(a)
                            + u" 都对）"_s,
                        {a, b, a - b});
}

Exercise multiplication(Draw &draw, const Recipe &r)
{
    int a = draw.between(r.low, r.high);
    int b = draw.between(1, 9);
    if (draw.coin())
        std::swap(a, b);
    return textExercise(n(a) + Times + n(b) + Equals + blank(), n(a) + Times + n(b) + Equals + n(a * b), {a, b});
}

Exercise division(Draw &draw, const Recipe &r, bool remainder)
{
    const int divisor = draw.between(qMax(r.low, remainder ? 2 : 1), r.high);
    const int quotient = draw.between(1, r.limit);
    const int rest = remainder ? draw.between(1, divisor - 1) : 0;
    const int dividend = divisor * quotient + rest;
    const QString head = n(dividend) + Over + n(divisor) + Equals;
    if (!remainder)
        return textExercise(head + blank(), head + n(quotient), {dividend, divisor, quotient});
    return textExercise(head + blank() + u"……"_s + blank(), head + n(quotient) + u" …… "_s + n(rest),
                        {dividend, divisor, quotient, rest});
}

// Column arithmetic: numbers {top, bottom, result}; the prompt is the sum written in a line.
Exercise column(Draw &draw, const Recipe &r)
{
    int a = 0;
    int b = 0;
    int result = 0;
    QString sign;
    switch (r.kind) {
    case Kind::ColumnAddition:
        a = draw.between(r.other, r.limit - r.other);
        b = draw.between(r.other, r.limit - a);
        result = a + b;
        sign = Plus;
        break;
    case Kind::ColumnSubtraction:
        a = draw.between(r.other + 1, r.limit);
        b = draw.between(r.other, a - 1);
        result = a - b;
        sign = Minus;
        break;
    default:
        b = draw.between(r.low, r.high);
        a = draw.between(r.other, r.limit / b);
        result = a * b;
        sign = Times;
        break;
    }
    return textExercise(n(a) + sign + n(b) + Equals, n(a) + sign + n(b) + Equals + n(result), {a, b, result});
}

Exercise pictureExercise(QList<Figure> figures, const QString &answer)
{
    Exercise exercise;
    exercise.figures = std::move(figures);
    exercise.answer = answer;
    return exercise;
}

// Shapes to colour: as many as the level, from the first `level` shapes, the newest always
// among them, in a loose grid.
QList<Exercise> colourShapes(Draw &draw, int level)
{
    const QList<Art> shapes = shapeArts();
    const QList<Art> pool = shapes.mid(0, qMin(level, int(shapes.size())));
    QList<Art> arts{pool.last()};
    while (arts.size() < level)
        arts.append(draw.pick(pool));
    draw.shuffle(arts);

    const int columns = int(std::ceil(std::sqrt(double(level))));
    const int rows = (level + columns - 1) / columns;
    QList<Figure> figures;
    for (int i = 0; i < level; ++i) {
        const QRectF cell(qreal(i % columns) / columns, qreal(i / columns) / rows, 1.0 / columns, 1.0 / rows);
        const qreal scale = level == 1 ? 0.9 : draw.between(70, 95) / 100.0;
        QRectF box(0, 0, cell.width() * scale, cell.height() * scale);
        box.moveCenter(cell.center());
        figures.append({arts.at(i), box});
    }
    QStringList counts;
    for (Art shape : shapes) {
        if (const int count = int(arts.count(shape)))
            counts.append(artName(shape) + u" "_s + n(count) + u" 个"_s);
    }
    return {pictureExercise(figures, counts.join(u"、"_s))};
}

QList<Exercise> glyphExercises(const QString &glyphs)
{
    QList<Exercise> list;
    for (QChar glyph : glyphs) {
        Exercise exercise;
        exercise.glyphs = glyph;
        exercise.answer = (glyph.isDigit() ? u"数字 "_s : u"字母 "_s) + glyph;
        list.append(exercise);
    }
    return list;
}

QList<Exercise> artExercises(const QList<Art> &arts)
{
    QList<Exercise> list;
    for (Art art : arts)
        list.append(pictureExercise({{art, QRectF(0, 0, 1, 1)}}, artName(art)));
    return list;
}

// Simple objects to colour: one at a time in the first steps, then scenes of two to four.
QList<Exercise> colourObjects(Draw &draw, int level)
{
    const QList<Art> objects = objectArts();
    if (level <= 8)
        return artExercises({objects.at(level - 1)});
    return artExercises(draw.choose(objects, level - 7));
}

QList<Exercise> traceShapes(Draw &draw, int level)
{
    static const QList<int> counts{2, 3, 4, 4, 6, 6, 8, 9};
    const QList<Art> shapes = shapeArts();
    return artExercises(draw.choose(shapes.mid(0, qMin(level + 2, int(shapes.size()))), counts.at(level - 1)));
}

QList<Exercise> traceObjects(Draw &draw, int level)
{
    static const QList<int> counts{1, 2, 3, 4, 4, 6};
    return artExercises(draw.choose(objectArts(), counts.at(level - 1)));
}

// Pictures to count: `count` of one picture; numbers {count, the numbers offered …}.
QList<Exercise> counting(Draw &draw, const Recipe &r, int exercises, bool offerNumbers)
{
    QList<Exercise> list;
    const QList<Art> arts = draw.choose(objectArts(), exercises);
    for (int i = 0; i < exercises; ++i) {
        const int count = draw.between(r.low, r.high);
        Exercise exercise = pictureExercise({{arts.at(i), QRectF(0, 0, 1, 1)}}, n(count));
        exercise.numbers.append(count);
        if (offerNumbers) {
            // All numbers up to the level's largest while they fit, else five in a row.
            const int first = r.high <= 6 ? 1 : qBound(1, count - draw.between(0, 4), r.high - 4);
            const int last = r.high <= 6 ? r.high : first + 4;
            for (int offered = first; offered <= last; ++offered)
                exercise.numbers.append(offered);
        }
        list.append(exercise);
    }
    return list;
}

QList<Exercise> lines(Draw &draw, Kind kind)
{
    const int count = kind == Kind::VerticalLines ? 5 : 6;
    const QList<Art> arts = draw.choose(objectArts(), count);
    QList<int> order;
    for (int i = 0; i < count; ++i)
        order.append(i);
    if (kind == Kind::SlantedLines) {
        // No picture straight across from its twin: every line slants.
        do {
            draw.shuffle(order);
        } while (std::any_of(order.begin(), order.end(), [&order](int place) { return order.indexOf(place) == place; }));
    }
    QList<Exercise> list;
    for (int i = 0; i < count; ++i) {
        QString answer;
        if (kind == Kind::SlantedLines)
            answer = artName(arts.at(i)) + u"：左边第 "_s + n(i + 1) + u" 个 → 右边第 "_s + n(order.indexOf(i) + 1) + u" 个"_s;
        else if (kind == Kind::HorizontalLines)
            answer = artName(arts.at(i)) + u"：左边的点 → 右边的点"_s;
        else
            answer = artName(arts.at(i)) + u"：上面的点 → 下面的点"_s;
        Exercise exercise = pictureExercise({{arts.at(i), QRectF(0, 0, 1, 1)}}, answer);
        // Where the twin stands on the other side.
        exercise.numbers.append(kind == Kind::SlantedLines ? order.indexOf(i) : i);
        list.append(exercise);
    }
    return list;
}

QList<Exercise> digitRows(const Recipe &r, bool tracing)
{
    QList<Exercise> list;
    for (int number = r.low; number <= r.high; ++number) {
        QString answer = n(number);
        if (tracing) {
            QStringList parts;
            for (QChar digit : n(number))
                parts.append(QString(digit) + u" 写 "_s + n(int(digitStrokes(digit.digitValue(), QRectF(0, 0, 1, 1)).size())) + u" 笔"_s);
            answer += u"："_s + parts.join(u"，"_s);
        }
        for (int row = 0; row < 2; ++row) {
            Exercise exercise;
            exercise.numbers = {number};
            exercise.answer = answer;
            list.append(exercise);
        }
    }
    return list;
}

QList<Exercise> sequences(Draw &draw, int limit)
{
    const int length = qMin(10, limit);
    const int gaps = limit <= 20 ? 3 : limit <= 100 ? 4 : 5;
    QList<Exercise> list;
    for (int row = 0; row < 8; ++row) {
        const int start = draw.between(1, limit - length + 1);
        const bool down = limit >= 50 && row % 2 == 1;
        Exercise exercise;
        for (int i = 0; i < length; ++i)
            exercise.numbers.append(down ? start + length - 1 - i : start + i);
        QList<int> places;
        for (int i = 1; i < length; ++i)
            places.append(i);
        exercise.blanks = draw.choose(places, gaps);
        std::sort(exercise.blanks.begin(), exercise.blanks.end());
        QStringList missing;
        for (int place : std::as_const(exercise.blanks))
            missing.append(n(exercise.numbers.at(place)));
        exercise.answer = missing.join(u"、"_s);
        list.append(exercise);
    }
    return list;
}

QString instruction(Kind kind)
{
    switch (kind) {
    case Kind::ColourShapes: return u"给图形涂上漂亮的颜色，说一说它们叫什么。"_s;
    case Kind::ColourGlyphs: return u"给数字和字母涂上颜色，读一读。"_s;
    case Kind::ColourObjects: return u"给图画涂上颜色。"_s;
    case Kind::TraceShapes: return u"沿着虚线描一描图形。"_s;
    case Kind::TraceGlyphs: return u"沿着虚线描一描数字和字母。"_s;
    case Kind::TraceObjects: return u"沿着虚线描一描图画。"_s;
    case Kind::CircleCount: return u"数一数有几个，把对的数字圈起来。"_s;
    case Kind::HorizontalLines: return u"从左边的点画横线，连到右边一样的图。"_s;
    case Kind::VerticalLines: return u"从上面的点画竖线，连到下面一样的图。"_s;
    case Kind::SlantedLines: return u"从左边的点画斜线，连到右边一样的图。"_s;
    case Kind::TraceDigits: return u"从圆点起笔，按箭头和笔顺描一描数字。"_s;
    case Kind::WriteDigits: return u"看第一格的数字，在田字格里写一写。"_s;
    case Kind::CountPictures: return u"数一数有几个，把数字写在方框里。"_s;
    case Kind::FillSequence: return u"按顺序在空格里填上数字。"_s;
    case Kind::ColumnAddition:
    case Kind::ColumnSubtraction:
    case Kind::ColumnMultiplication: return u"列竖式计算，把得数写在横线下面。"_s;
    case Kind::SplitSum:
    case Kind::SplitDifference: return u"在括号里填上合适的数。"_s;
    default: return u"算一算，把得数写在括号里。"_s;
    }
}

QList<Exercise> exercises(Draw &draw, const Recipe &r)
{
    switch (r.kind) {
    case Kind::ColourShapes: return colourShapes(draw, r.level);
    case Kind::ColourGlyphs:
    case Kind::TraceGlyphs: return glyphExercises(r.glyphs);
    case Kind::ColourObjects: return colourObjects(draw, r.level);
    case Kind::TraceShapes: return traceShapes(draw, r.level);
    case Kind::TraceObjects: return traceObjects(draw, r.level);
    case Kind::CircleCount: return counting(draw, r, 5, true);
    case Kind::CountPictures: return counting(draw, r, 8, false);
    case Kind::HorizontalLines:
    case Kind::VerticalLines:
    case Kind::SlantedLines: return lines(draw, r.kind);
    case Kind::TraceDigits: return digitRows(r, true);
    case Kind::WriteDigits: return digitRows(r, false);
    case Kind::FillSequence: return sequences(draw, r.limit);
    case Kind::Addition: return distinct(20, [&] { return addition(draw, r); });
    case Kind::Subtraction: return distinct(20, [&] { return subtraction(draw, r); });
    case Kind::AdditionChain: return distinct(12, [&] { return chain(draw, r, 1); });
    case Kind::SubtractionChain: return distinct(12, [&] { return chain(draw, r, -1); });
    case Kind::MixedChain: return distinct(12, [&] { return chain(draw, r, 0); });
    case Kind::MissingAddend: return distinct(20, [&] { return missingAddend(draw, r); });
    case Kind::SplitSum: return distinct(20, [&] { return splitSum(draw, r); });
    case Kind::MissingSubtrahend: return distinct(20, [&] { return missingSubtrahend(draw, r); });
    case Kind::SplitDifference: return distinct(20, [&] { return splitDifference(draw, r); });
    case Kind::Multiplication: return distinct(20, [&] { return multiplication(draw, r); });
    case Kind::Division: return distinct(20, [&] { return division(draw, r, false); });
    case Kind::DivisionWithRemainder: return distinct(12, [&] { return division(draw, r, true); });
    case Kind::ColumnAddition:
    case Kind::ColumnSubtraction:
    case Kind::ColumnMultiplication: return distinct(12, [&] { return column(draw, r); });
    }
    return {};
}

} // namespace

QString blank()
{
    return u"（　　）"_s;
}

Worksheet makeWorksheet(const CurriculumEntry &entry, quint32 seed)
{
    Draw draw(seed);
    Worksheet sheet;
    sheet.title = entry.caption.simplified();
    sheet.instruction = instruction(entry.recipe.kind);
    sheet.recipe = entry.recipe;
    sheet.seed = seed;
    sheet.exercises = exercises(draw, entry.recipe);
    return sheet;
}

} // namespace abacolo
