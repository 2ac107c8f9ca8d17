#include "worksheets/sheetpainter.h"

#include "worksheets/sheetfont.h"
#include "worksheets/worksheet.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

// The page in tenths of a millimetre: A4 portrait with generous margins.
constexpr qreal PageWidth = 2100;
constexpr qreal PageHeight = 2970;
constexpr qreal Margin = 180;
constexpr qreal Top = 150;
const QRectF Body(Margin, 560, PageWidth - 2 * Margin, PageHeight - 560 - 230);

// Type sizes, in the same units: 26 pt title, 22 pt exercises, 16 pt lines, 14 pt answers.
constexpr int TitleSize = 92;
constexpr int ExerciseSize = 78;
constexpr int LineSize = 56;
constexpr int AnswerSize = 49;
constexpr int SmallSize = 34;

const QColor Ink(0, 0, 0);
const QColor Guide(120, 120, 120);
const QColor Faint(200, 200, 200);

QPen pen(const QColor &colour, qreal width, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
}

bool isText(Kind kind)
{
    switch (kind) {
    case Kind::Addition:
    case Kind::Subtraction:
    case Kind::AdditionChain:
    case Kind::SubtractionChain:
    case Kind::MixedChain:
    case Kind::MissingAddend:
    case Kind::SplitSum:
    case Kind::MissingSubtrahend:
    case Kind::SplitDifference:
    case Kind::Multiplication:
    case Kind::Division:
    case Kind::DivisionWithRemainder:
        return true;
    default:
        return false;
    }
}

bool isLines(Kind kind)
{
    return kind == Kind::HorizontalLines || kind == Kind::VerticalLines || kind == Kind::SlantedLines;
}

struct Grid
{
    int columns;
    int rows;
    int perPage() const { return columns * rows; }
};

// A grid for `count` pictures, as square as the body allows.
Grid pictureGrid(qsizetype count)
{
    if (count <= 1)
        return {1, 1};
    if (count == 2)
        return {1, 2};
    if (count <= 4)
        return {2, 2};
    if (count <= 6)
        return {2, 3};
    return {3, 3};
}

// Where the exercise number goes before a text exercise.
constexpr qreal NumberWidth = 90;

Grid gridOf(const Worksheet &sheet)
{
    const Kind kind = sheet.recipe.kind;
    const auto count = sheet.exercises.size();
    if (isText(kind)) {
        // Two columns where the longest exercise fits in half the width, else one.
        const QFontMetricsF metrics(sheetFont(ExerciseSize));
        qreal widest = 0;
        for (const Exercise &exercise : sheet.exercises)
            widest = qMax(widest, metrics.horizontalAdvance(exercise.prompt));
        const int columns = widest + NumberWidth < Body.width() / 2 - 20 ? 2 : 1;
        return {columns, int(qMin<qsizetype>(12, (count + columns - 1) / columns))};
    }
    switch (kind) {
    case Kind::ColumnAddition:
    case Kind::ColumnSubtraction:
    case Kind::ColumnMultiplication: return {4, 3};
    case Kind::CircleCount: return {1, 5};
    case Kind::CountPictures: return {2, 4};
    case Kind::TraceDigits:
    case Kind::WriteDigits: return {1, 4};
    case Kind::FillSequence: return {1, 8};
    case Kind::ColourShapes: return {1, 1};
    default: return isLines(kind) ? Grid{1, 1} : pictureGrid(count);
    }
}

QString answerLine(const Worksheet &sheet, int index)
{
    return QString::number(index + 1) + u". "_s + sheet.exercises.at(index).answer;
}

// The answer key's columns and how many lines go on a page.
Grid answerGrid(const Worksheet &sheet)
{
    const QFontMetricsF metrics(sheetFont(AnswerSize));
    qreal widest = 0;
    for (int i = 0; i < sheet.exercises.size(); ++i)
        widest = qMax(widest, metrics.horizontalAdvance(answerLine(sheet, i)));
    const int columns = qBound(1, int(Body.width() / (widest + 60)), 3);
    const int rows = int((PageHeight - 420 - 230) / (AnswerSize * 1.9));
    return {columns, qBound(1, int((sheet.exercises.size() + columns - 1) / columns), rows)};
}

// --- The parts of a page -------------------------------------------------------------------

void drawHeading(QPainter &p, const Worksheet &sheet)
{
    p.setPen(Ink);
    p.setFont(sheetFont(TitleSize, true));
    p.drawText(QRectF(Margin, Top, Body.width(), 130), Qt::AlignHCenter | Qt::AlignVCenter, sheet.title);
    p.setFont(sheetFont(LineSize));
    p.drawText(QRectF(Margin, Top + 150, Body.width(), 80), Qt::AlignRight | Qt::AlignVCenter,
               u"姓名＿＿＿ 日期＿＿＿ 得分＿＿＿"_s);
    p.drawText(QRectF(Margin, Top + 250, Body.width(), 80), Qt::AlignLeft | Qt::AlignVCenter, sheet.instruction);
    p.setPen(pen(Ink, 4));
    p.drawLine(QPointF(Margin, Top + 360), QPointF(PageWidth - Margin, Top + 360));
}

void drawFooter(QPainter &p, const Worksheet &sheet, int page, int pages)
{
    p.setPen(Guide);
    p.setFont(sheetFont(SmallSize));
    p.drawText(QRectF(Margin, PageHeight - 150, Body.width(), 60), Qt::AlignHCenter | Qt::AlignVCenter,
               u"套号 %1　　第 %2 页，共 %3 页"_s.arg(sheet.seed).arg(page).arg(pages));
}

void drawNumber(QPainter &p, const QRectF &cell, int index)
{
    p.setPen(Guide);
    p.setFont(sheetFont(SmallSize));
    p.drawText(QRectF(cell.left(), cell.top(), NumberWidth, cell.height()), Qt::AlignLeft | Qt::AlignVCenter,
               QString::number(index + 1) + u"."_s);
}

void drawTextExercise(QPainter &p, const QRectF &cell, const Exercise &exercise, int index)
{
    drawNumber(p, cell, index);
    p.setPen(Ink);
    p.setFont(sheetFont(ExerciseSize));
    p.drawText(cell.adjusted(NumberWidth, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, exercise.prompt);
}

// One number written digit by digit, right-aligned at `right`, so the columns line up.
void drawDigits(QPainter &p, const QString &digits, qreal right, qreal baseline, qreal digitWidth)
{
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const qreal x = right - (digits.size() - i) * digitWidth;
        p.drawText(QRectF(x, baseline - ExerciseSize * 1.2, digitWidth, ExerciseSize * 1.2),
                   Qt::AlignHCenter | Qt::AlignBottom, digits.mid(i, 1));
    }
}

void drawColumnExercise(QPainter &p, const QRectF &cell, const Exercise &exercise, int index, Kind kind)
{
    drawNumber(p, QRectF(cell.left(), cell.top(), NumberWidth, ExerciseSize * 1.4), index);
    p.setPen(Ink);
    const QFont font = sheetFont(ExerciseSize);
    p.setFont(font);
    const qreal digit = QFontMetricsF(font).horizontalAdvance(u"0"_s) * 1.25;
    const qreal right = cell.left() + NumberWidth + digit * 5;
    const qreal line = ExerciseSize * 1.35;
    const QString sign = kind == Kind::ColumnAddition ? u"+"_s : kind == Kind::ColumnSubtraction ? u"−"_s : u"×"_s;
    drawDigits(p, QString::number(exercise.numbers.at(0)), right, cell.top() + line, digit);
    drawDigits(p, QString::number(exercise.numbers.at(1)), right, cell.top() + 2 * line, digit);
    drawDigits(p, sign, right - digit * 4, cell.top() + 2 * line, digit);
    p.setPen(pen(Ink, 6));
    const qreal rule = cell.top() + 2 * line + 30;
    p.drawLine(QPointF(right - digit * 4.2, rule), QPointF(right + 10, rule));
}

void drawPicture(QPainter &p, Art art, const QRectF &box, const QPen &outline)
{
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawPath(artPath(art, box));
}

// The figures of an exercise, from its unit square into `area`.
void drawFigures(QPainter &p, const QRectF &area, const Exercise &exercise, const QPen &outline)
{
    for (const Figure &figure : exercise.figures) {
        const QRectF box(area.left() + figure.box.left() * area.width(), area.top() + figure.box.top() * area.height(),
                         figure.box.width() * area.width(), figure.box.height() * area.height());
        drawPicture(p, figure.art, box.adjusted(10, 10, -10, -10), outline);
    }
}

// `count` copies of a picture in rows of five, as large as `area` allows.
void drawCopies(QPainter &p, Art art, int count, const QRectF &area, const QPen &outline)
{
    const int perRow = 5;
    const int rows = (count + perRow - 1) / perRow;
    const qreal side = qMin(area.width() / perRow, area.height() / 2);
    for (int i = 0; i < count; ++i) {
        const QRectF box(area.left() + (i % perRow) * side, area.top() + (area.height() - rows * side) / 2 + (i / perRow) * side,
                         side, side);
        drawPicture(p, art, box.adjusted(side * 0.08, side * 0.08, -side * 0.08, -side * 0.08), outline);
    }
}

void drawCircleCount(QPainter &p, const QRectF &cell, const Exercise &exercise, int index)
{
    drawNumber(p, cell, index);
    const QRectF pictures(cell.left() + NumberWidth, cell.top() + 20, cell.width() * 0.55, cell.height() - 40);
    drawCopies(p, exercise.figures.first().art, exercise.numbers.first(), pictures, pen(Ink, 5));
    p.setPen(Ink);
    p.setFont(sheetFont(ExerciseSize));
    const QList<int> offered = exercise.numbers.mid(1);
    const qreal left = pictures.right() + 60;
    const qreal step = (cell.right() - left) / qMax<qsizetype>(5, offered.size());
    for (qsizetype i = 0; i < offered.size(); ++i)
        p.drawText(QRectF(left + i * step, cell.top(), step, cell.height()), Qt::AlignCenter, QString::number(offered.at(i)));
    p.setPen(pen(Faint, 3));
    p.drawLine(QPointF(cell.left(), cell.bottom()), QPointF(cell.right(), cell.bottom()));
}

void drawCountPictures(QPainter &p, const QRectF &cell, const Exercise &exercise, int index)
{
    const QRectF frame = cell.adjusted(15, 15, -15, -15);
    p.setPen(pen(Guide, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, 30, 30);
    drawNumber(p, QRectF(frame.left() + 20, frame.top(), NumberWidth, 80), index);
    const qreal box = 200;
    drawCopies(p, exercise.figures.first().art, exercise.numbers.first(),
               QRectF(frame.left() + 30, frame.top() + 70, frame.width() - box - 80, frame.height() - 100), pen(Ink, 5));
    p.setPen(pen(Ink, 6));
    p.drawRect(QRectF(frame.right() - box - 30, frame.center().y() - box / 2, box, box));
}

// 田字格: a square with a dashed cross through the middle.
void drawTianCell(QPainter &p, const QRectF &cell)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(Guide, 3, Qt::DashLine));
    p.drawLine(QPointF(cell.center().x(), cell.top()), QPointF(cell.center().x(), cell.bottom()));
    p.drawLine(QPointF(cell.left(), cell.center().y()), QPointF(cell.right(), cell.center().y()));
    p.setPen(pen(Ink, 5));
    p.drawRect(cell);
}

// The boxes of each digit of a number inside a cell.
QList<QRectF> digitBoxes(const QRectF &cell, int count)
{
    QList<QRectF> boxes;
    const qreal width = cell.width() / count;
    for (int i = 0; i < count; ++i) {
        const QRectF slot(cell.left() + i * width, cell.top(), width, cell.height());
        const qreal side = qMin(slot.width() * (count > 1 ? 1.6 : 1.0), slot.height()) * 0.9;
        QRectF box(0, 0, side, side);
        box.moveCenter(slot.center());
        boxes.append(box);
    }
    return boxes;
}

// A digit to trace: grey strokes, a dot where each stroke starts; the model also numbers its
// strokes and shows their direction.
void drawTraceDigit(QPainter &p, const QRectF &cell, int number, bool model)
{
    const QString digits = QString::number(number);
    const QList<QRectF> boxes = digitBoxes(cell, int(digits.size()));
    for (qsizetype d = 0; d < digits.size(); ++d) {
        const QList<QPainterPath> strokes = digitStrokes(digits.at(d).digitValue(), boxes.at(d));
        const qreal width = cell.height() * 0.06;
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(model ? Guide : Faint, width));
        for (const QPainterPath &stroke : strokes)
            p.drawPath(stroke);
        for (qsizetype s = 0; s < strokes.size(); ++s) {
            const QPainterPath &stroke = strokes.at(s);
            const QPointF start = stroke.pointAtPercent(0);
            p.setPen(Qt::NoPen);
            p.setBrush(Ink);
            p.drawEllipse(start, width * 0.55, width * 0.55);
            if (!model)
                continue;
            // An arrow a little way along the stroke, and the stroke's number beside its start.
            const qreal at = stroke.percentAtLength(qMin(stroke.length() * 0.3, cell.height() * 0.28));
            const QPointF tip = stroke.pointAtPercent(at);
            QTransform turn;
            turn.translate(tip.x(), tip.y());
            turn.rotate(-stroke.angleAtPercent(at));
            const qreal head = width * 0.9;
            QPainterPath arrow;
            arrow.moveTo(turn.map(QPointF(head * 0.6, 0)));
            arrow.lineTo(turn.map(QPointF(-head * 0.6, -head * 0.55)));
            arrow.lineTo(turn.map(QPointF(-head * 0.6, head * 0.55)));
            arrow.closeSubpath();
            p.drawPath(arrow);
            p.setPen(Ink);
            p.setFont(sheetFont(SmallSize, true));
            p.drawText(QRectF(start.x() - 70, start.y() - 60, 50, 50), Qt::AlignCenter, QString::number(s + 1));
        }
    }
}

void drawDigitRow(QPainter &p, const QRectF &row, const Exercise &exercise, bool tracing)
{
    const int cells = 6;
    const qreal side = qMin(row.width() / cells, row.height() * 0.8);
    const qreal left = row.center().x() - side * cells / 2;
    const int number = exercise.numbers.first();
    for (int i = 0; i < cells; ++i) {
        const QRectF cell(left + i * side, row.center().y() - side / 2, side, side);
        drawTianCell(p, cell);
        if (tracing && i < 4) {
            drawTraceDigit(p, cell, number, i == 0);
        } else if (!tracing && i == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(Ink);
            p.drawPath(glyphPath(QString::number(number), cell.adjusted(side * 0.22, side * 0.2, -side * 0.22, -side * 0.2)));
        }
    }
}

void drawSequence(QPainter &p, const QRectF &row, const Exercise &exercise, int index)
{
    drawNumber(p, row, index);
    const auto count = exercise.numbers.size();
    const qreal side = qMin((row.width() - NumberWidth) / count, row.height() * 0.75);
    p.setFont(sheetFont(ExerciseSize * 3 / 4));
    for (qsizetype i = 0; i < count; ++i) {
        const QRectF box(row.left() + NumberWidth + i * side, row.center().y() - side / 2, side, side);
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(Ink, 5));
        p.drawRect(box);
        if (!exercise.blanks.contains(int(i)))
            p.drawText(box, Qt::AlignCenter, QString::number(exercise.numbers.at(i)));
    }
}

// Pictures with a dot each on two sides; the child joins each picture's dot to its twin's.
void drawLines(QPainter &p, const QRectF &area, const Worksheet &sheet)
{
    const Kind kind = sheet.recipe.kind;
    const auto count = sheet.exercises.size();
    const qreal dot = 18;
    const QPen outline = pen(Ink, 5);
    const auto mark = [&p, dot](QPointF at) {
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawEllipse(at, dot, dot);
    };
    if (kind == Kind::VerticalLines) {
        const qreal step = area.width() / count;
        const qreal side = qMin(step * 0.8, 300.0);
        for (qsizetype i = 0; i < count; ++i) {
            const Exercise &exercise = sheet.exercises.at(i);
            const qreal x = area.left() + (i + 0.5) * step;
            drawPicture(p, exercise.figures.first().art, QRectF(x - side / 2, area.top(), side, side), outline);
            mark(QPointF(x, area.top() + side + 60));
            const qreal x2 = area.left() + (exercise.numbers.first() + 0.5) * step;
            mark(QPointF(x2, area.bottom() - side - 60));
            drawPicture(p, exercise.figures.first().art, QRectF(x2 - side / 2, area.bottom() - side, side, side), outline);
        }
        if (count > 0) {
            // The first line drawn for the child to see how.
            const qreal x = area.left() + 0.5 * step;
            p.setPen(pen(Guide, 5, Qt::DashLine));
            p.drawLine(QPointF(x, area.top() + side + 60), QPointF(x, area.bottom() - side - 60));
        }
        return;
    }
    const qreal step = area.height() / count;
    const qreal side = qMin(step * 0.8, 300.0);
    for (qsizetype i = 0; i < count; ++i) {
        const Exercise &exercise = sheet.exercises.at(i);
        const qreal y = area.top() + (i + 0.5) * step;
        drawPicture(p, exercise.figures.first().art, QRectF(area.left(), y - side / 2, side, side), outline);
        mark(QPointF(area.left() + side + 60, y));
        const qreal y2 = area.top() + (exercise.numbers.first() + 0.5) * step;
        mark(QPointF(area.right() - side - 60, y2));
        drawPicture(p, exercise.figures.first().art, QRectF(area.right() - side, y2 - side / 2, side, side), outline);
    }
    if (kind == Kind::HorizontalLines && count > 0) {
        const qreal y = area.top() + 0.5 * step;
        p.setPen(pen(Guide, 5, Qt::DashLine));
        p.drawLine(QPointF(area.left() + side + 60, y), QPointF(area.right() - side - 60, y));
    }
}

void drawExercise(QPainter &p, const QRectF &cell, const Worksheet &sheet, int index)
{
    const Exercise &exercise = sheet.exercises.at(index);
    const QRectF inner = cell.adjusted(20, 20, -20, -20);
    switch (sheet.recipe.kind) {
    case Kind::ColumnAddition:
    case Kind::ColumnSubtraction:
    case Kind::ColumnMultiplication: drawColumnExercise(p, cell, exercise, index, sheet.recipe.kind); return;
    case Kind::CircleCount: drawCircleCount(p, cell, exercise, index); return;
    case Kind::CountPictures: drawCountPictures(p, cell, exercise, index); return;
    case Kind::TraceDigits: drawDigitRow(p, cell, exercise, true); return;
    case Kind::WriteDigits: drawDigitRow(p, cell, exercise, false); return;
    case Kind::FillSequence: drawSequence(p, cell, exercise, index); return;
    case Kind::ColourGlyphs:
        p.setPen(pen(Ink, 7));
        p.setBrush(Qt::NoBrush);
        p.drawPath(glyphPath(exercise.glyphs, inner.adjusted(40, 40, -40, -40)));
        return;
    case Kind::TraceGlyphs:
        p.setPen(pen(Guide, 6, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawPath(glyphPath(exercise.glyphs, inner.adjusted(40, 40, -40, -40)));
        return;
    case Kind::ColourShapes:
    case Kind::ColourObjects: drawFigures(p, inner, exercise, pen(Ink, 7)); return;
    case Kind::TraceShapes:
    case Kind::TraceObjects: drawFigures(p, inner, exercise, pen(Guide, 7, Qt::DotLine)); return;
    default: drawTextExercise(p, cell, exercise, index); return;
    }
}

void drawExercisePage(QPainter &p, const Worksheet &sheet, int page)
{
    drawHeading(p, sheet);
    if (isLines(sheet.recipe.kind)) {
        drawLines(p, Body, sheet);
        return;
    }
    const Grid grid = gridOf(sheet);
    const qreal width = Body.width() / grid.columns;
    const qreal height = Body.height() / grid.rows;
    const int first = page * grid.perPage();
    const int last = qMin(int(sheet.exercises.size()), first + grid.perPage());
    for (int i = first; i < last; ++i) {
        // Down the first column, then the next.
        const int place = i - first;
        const QRectF cell(Body.left() + (place / grid.rows) * width, Body.top() + (place % grid.rows) * height, width, height);
        drawExercise(p, cell, sheet, i);
    }
}

void drawAnswerPage(QPainter &p, const Worksheet &sheet, int page)
{
    p.setPen(Ink);
    p.setFont(sheetFont(LineSize, true));
    p.drawText(QRectF(Margin, Top, Body.width(), 100), Qt::AlignHCenter | Qt::AlignVCenter,
               u"答案（家长用）"_s);
    p.setFont(sheetFont(AnswerSize));
    p.drawText(QRectF(Margin, Top + 110, Body.width(), 80), Qt::AlignHCenter | Qt::AlignVCenter, sheet.title);
    p.setPen(pen(Guide, 3));
    p.drawLine(QPointF(Margin, Top + 220), QPointF(PageWidth - Margin, Top + 220));

    const Grid grid = answerGrid(sheet);
    const qreal width = Body.width() / grid.columns;
    const qreal height = AnswerSize * 1.9;
    const int first = page * grid.perPage();
    const int last = qMin(int(sheet.exercises.size()), first + grid.perPage());
    p.setPen(Ink);
    p.setFont(sheetFont(AnswerSize));
    for (int i = first; i < last; ++i) {
        const int place = i - first;
        const QRectF line(Margin + (place / grid.rows) * width, Top + 270 + (place % grid.rows) * height, width, height);
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, answerLine(sheet, i));
    }
}

} // namespace

int exercisePageCount(const Worksheet &sheet)
{
    if (isLines(sheet.recipe.kind))
        return 1;
    const int perPage = gridOf(sheet).perPage();
    return qMax(1, int((sheet.exercises.size() + perPage - 1) / perPage));
}

int answerPageCount(const Worksheet &sheet)
{
    const int perPage = answerGrid(sheet).perPage();
    return qMax(1, int((sheet.exercises.size() + perPage - 1) / perPage));
}

void paintWorksheet(const Worksheet &sheet, QPagedPaintDevice *device)
{
    QPainter p(device);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal scale = device->width() / PageWidth;
    p.scale(scale, scale);
    const int exercisePages = exercisePageCount(sheet);
    const int pages = exercisePages + answerPageCount(sheet);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device->newPage();
        if (page < exercisePages)
            drawExercisePage(p, sheet, page);
        else
            drawAnswerPage(p, sheet, page - exercisePages);
        drawFooter(p, sheet, page + 1, pages);
    }
}

void preparePrinter(QPrinter *printer, const Worksheet &sheet)
{
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setFullPage(true);
    printer->setDocName(sheet.title);
    printer->setCreator(u"Abacolo"_s);
}

bool saveWorksheetPdf(const Worksheet &sheet, const QString &file, QString *error)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = u"无法写入文件 %1：%2"_s.arg(QFileInfo(file).absoluteFilePath(), out.errorString());
        return false;
    }
    {
        QPdfWriter writer(&out);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(sheet.title);
        writer.setCreator(u"Abacolo"_s);
        paintWorksheet(sheet, &writer);
    }
    if (!out.commit()) {
        *error = u"无法写入文件 %1：%2"_s.arg(QFileInfo(file).absoluteFilePath(), out.errorString());
        return false;
    }
    return true;
}

} // namespace abacolo
