// The digit-writing lessons: a digit is written stroke by stroke on a writing grid, a pencil
// leading the growing stroke so a child can follow it, then the finished digit rests beside
// its rhyme picture ("0 像鸡蛋", "3 像耳朵", "7 像镰刀" …) while a voice says the rhyme, and
// the lesson starts over.

#include "tools/swf/movie.h"
#include "tools/swf/movies/drawkit.h"
#include "tools/swf/movies/movies.h"
#include "tools/swf/movies/voices.h"

#include <QPolygonF>
#include <QTransform>
#include <QtMath>

#include <cmath>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace abacolo::movies {

namespace {

constexpr double kFrameRate = 12.0;
constexpr double kPixelsPerFrame = 17.0;   // the pencil's writing speed: about 200 px a second
constexpr int kIntroFrames = 12;           // the pencil comes to the starting point
constexpr int kLiftFrames = 8;             // the pencil goes back to its place
constexpr int kRestFrames = 22;            // the finished digit stays
const QRectF kGrid(84, 74, 460, 460);      // the writing grid
const QPointF kPenRest(572, 586);          // where the pencil waits between writings
const Rgba kInk = Rgba::hex(0xE53935);
const Rgba kGhost = Rgba::hex(0xE9E1D0);
const Rgba kGridLine = Rgba::hex(0x4CAF50);

// One stroke of a digit: its centre line in grid units (0..1), in writing order, and a
// length fraction where the pencil stops a moment (a corner).
struct Stroke
{
    QPainterPath line;
    double pauseAt = -1;
};

struct Lesson
{
    std::vector<Stroke> strokes;
    QString rhyme;
};

// A stroke along `path` where the pencil stops a moment, going on along what `more` adds.
Stroke cornered(QPainterPath path, const std::function<void(QPainterPath &)> &more)
{
    Stroke s;
    const double corner = path.length();
    more(path);
    s.pauseAt = corner / path.length();
    s.line = path;
    return s;
}

Lesson lessonFor(int digit)
{
    Lesson l;
    QPainterPath p;
    switch (digit) {
    case 0: {
        // Starts at the top and goes round to the left, back up to the top.
        const QPointF c(0.5, 0.5);
        for (int i = 0; i <= 96; ++i) {
            const double a = qDegreesToRadians(-90.0 - 360.0 * i / 96);
            const QPointF pt = c + QPointF(0.25 * std::cos(a), 0.36 * std::sin(a));
            i == 0 ? p.moveTo(pt) : p.lineTo(pt);
        }
        l.strokes = {{p}};
        l.rhyme = u"0 像鸡蛋做蛋糕"_s;
        break;
    }
    case 1:
        // One stroke from the upper right down to the lower left, leaning a little.
        p.moveTo(0.56, 0.14);
        p.lineTo(0.46, 0.86);
        l.strokes = {{p}};
        l.rhyme = u"1 像铅笔细又长"_s;
        break;
    case 2:
        // Over the top to the right, down to the lower left corner, then the base line.
        p.moveTo(0.27, 0.33);
        p.cubicTo(0.29, 0.10, 0.72, 0.08, 0.71, 0.33);
        p.cubicTo(0.70, 0.50, 0.45, 0.66, 0.26, 0.86);
        l.strokes = {cornered(p, [](QPainterPath &q) { q.lineTo(0.76, 0.86); })};
        l.rhyme = u"2 像小鸭水上漂"_s;
        break;
    case 3:
        // Two bellies to the right, a short stop in the middle.
        p.moveTo(0.30, 0.26);
        p.cubicTo(0.38, 0.08, 0.72, 0.10, 0.69, 0.30);
        p.cubicTo(0.67, 0.44, 0.55, 0.48, 0.44, 0.48);
        l.strokes = {cornered(p, [](QPainterPath &q) {
            q.cubicTo(0.62, 0.49, 0.74, 0.58, 0.72, 0.70);
            q.cubicTo(0.70, 0.90, 0.36, 0.92, 0.27, 0.76);
        })};
        l.rhyme = u"3 像耳朵听声音"_s;
        break;
    case 4:
        // Down to the left and along to the right; then the long stroke down.
        p.moveTo(0.52, 0.14);
        p.lineTo(0.24, 0.64);
        l.strokes.push_back(cornered(p, [](QPainterPath &q) { q.lineTo(0.80, 0.64); }));
        p = QPainterPath(QPointF(0.63, 0.32));
        p.lineTo(0.63, 0.86);
        l.strokes.push_back({p});
        l.rhyme = u"4 像红旗迎风飘"_s;
        break;
    case 5:
        // Down, then the big belly; then the hat on top.
        p.moveTo(0.34, 0.16);
        p.lineTo(0.31, 0.46);
        l.strokes.push_back(cornered(p, [](QPainterPath &q) {
            q.cubicTo(0.50, 0.36, 0.75, 0.44, 0.72, 0.65);
            q.cubicTo(0.70, 0.88, 0.38, 0.92, 0.27, 0.78);
        }));
        p = QPainterPath(QPointF(0.34, 0.16));
        p.lineTo(0.72, 0.16);
        l.strokes.push_back({p});
        l.rhyme = u"5 像秤钩来买菜"_s;
        break;
    case 6:
        // Down from the upper right in a curve, round the bottom and closed on the left.
        p.moveTo(0.66, 0.16);
        p.cubicTo(0.44, 0.22, 0.26, 0.44, 0.28, 0.66);
        p.cubicTo(0.30, 0.90, 0.70, 0.90, 0.70, 0.66);
        p.cubicTo(0.70, 0.44, 0.40, 0.44, 0.29, 0.62);
        l.strokes = {{p}};
        l.rhyme = u"6 像哨子嘀嘀嘀"_s;
        break;
    case 7:
        // Across the top, then down and a little to the left.
        p.moveTo(0.26, 0.18);
        p.lineTo(0.74, 0.18);
        l.strokes = {cornered(p, [](QPainterPath &q) { q.quadTo(0.56, 0.46, 0.45, 0.86); })};
        l.rhyme = u"7 像镰刀割青草"_s;
        break;
    case 8:
        // From the upper right round the top to the left, across, round the bottom and back up.
        p.moveTo(0.65, 0.27);
        p.cubicTo(0.62, 0.10, 0.34, 0.10, 0.34, 0.28);
        p.cubicTo(0.34, 0.45, 0.69, 0.50, 0.69, 0.69);
        p.cubicTo(0.69, 0.91, 0.31, 0.91, 0.31, 0.69);
        p.cubicTo(0.31, 0.50, 0.66, 0.45, 0.66, 0.29);
        l.strokes = {{p}};
        l.rhyme = u"8 像葫芦摇呀摇"_s;
        break;
    case 9:
        // The round head from its right side, closed, then the long stroke down.
        p.moveTo(0.68, 0.30);
        p.cubicTo(0.66, 0.10, 0.32, 0.10, 0.32, 0.31);
        p.cubicTo(0.32, 0.52, 0.66, 0.52, 0.68, 0.31);
        l.strokes = {cornered(p, [](QPainterPath &q) { q.cubicTo(0.69, 0.56, 0.63, 0.76, 0.56, 0.86); })};
        l.rhyme = u"9 像勺子能吃饭"_s;
        break;
    default:
        throw swf::WriteError("there is a lesson for the digits 0 to 9 only");
    }
    return l;
}

// A polyline walked by length.
class Walk
{
public:
    explicit Walk(const QPolygonF &points) : m_points(points)
    {
        m_at.push_back(0);
        for (qsizetype i = 1; i < points.size(); ++i)
            m_at.push_back(m_at.back() + QLineF(points[i - 1], points[i]).length());
    }
    double length() const { return m_at.back(); }

    QPointF pointAt(double s) const
    {
        const std::size_t i = segmentAt(s);
        const double span = m_at[i + 1] - m_at[i];
        const double t = span > 0 ? (s - m_at[i]) / span : 0;
        return m_points[qsizetype(i)] + (m_points[qsizetype(i) + 1] - m_points[qsizetype(i)]) * t;
    }

    double angleAt(double s) const
    {
        const std::size_t i = segmentAt(s);
        const QPointF d = m_points[qsizetype(i) + 1] - m_points[qsizetype(i)];
        return std::atan2(d.y(), d.x());
    }

    // The stretch of the line from s0 to s1.
    QPainterPath piece(double s0, double s1) const
    {
        QPainterPath p(pointAt(s0));
        for (std::size_t i = 1; i + 1 < m_at.size(); ++i)
            if (m_at[i] > s0 && m_at[i] < s1)
                p.lineTo(m_points[qsizetype(i)]);
        p.lineTo(pointAt(s1));
        return p;
    }

private:
    std::size_t segmentAt(double s) const
    {
        std::size_t i = 0;
        while (i + 2 < m_at.size() && m_at[i + 1] < s)
            ++i;
        return i;
    }

    QPolygonF m_points;
    std::vector<double> m_at;
};

Shape stageBackground()
{
    Shape s;
    s.fill(roundedRect(QRectF(-10, -10, kStage.width() + 20, kStage.height() + 20), 0), colour::teal);
    for (const auto &[x, y, r] : {std::tuple{40.0, 640.0, 70.0}, {980.0, 40.0, 90.0}, {960.0, 650.0, 50.0}, {30.0, 60.0, 40.0}})
        s.fill(circle(QPointF(x, y), r), colour::lightTeal);
    card(s, QRectF(40, 28, 936, 572), colour::cream, Rgba::hex(0xE8D9B5));
    return s;
}

Shape writingGrid()
{
    Shape s;
    s.fill(roundedRect(kGrid, 6), colour::white);
    QPainterPath dashes;
    const double dash = 16, gap = 12;
    for (double t = kGrid.left() + 8; t < kGrid.right() - 8; t += dash + gap) {
        const double end = std::min(t + dash, kGrid.right() - 8);
        dashes.moveTo(t, kGrid.center().y());
        dashes.lineTo(end, kGrid.center().y());
    }
    for (double t = kGrid.top() + 8; t < kGrid.bottom() - 8; t += dash + gap) {
        const double end = std::min(t + dash, kGrid.bottom() - 8);
        dashes.moveTo(kGrid.center().x(), t);
        dashes.lineTo(kGrid.center().x(), end);
    }
    s.stroke(dashes, 3, lighter(kGridLine, 0.25));
    s.stroke(roundedRect(kGrid, 6), 6, kGridLine);
    return s;
}

// The pencil with its tip at the origin, leaning to the upper right as a writing hand holds it,
// over a soft glow that shows where the writing is.
Shape pen()
{
    Shape s;
    s.fill(circle(QPointF(0, 0), 34), Rgba{255, 235, 59, 120});
    Shape pencil;
    pencilLying(pencil, QPointF(-180, 0), 180, 32, colour::blue);
    s.add(pencil.transformed(QTransform().rotate(130)));
    return s;
}

void addArrowsAlong(Shape &s, const Walk &walk)
{
    QPainterPath chevrons;
    for (const double f : {0.2, 0.45, 0.7, 0.92}) {
        const double at = walk.length() * f;
        const QPointF p = walk.pointAt(at);
        const double a = walk.angleAt(at);
        const QTransform t = QTransform().translate(p.x(), p.y()).rotateRadians(a);
        chevrons.moveTo(t.map(QPointF(-7, -10)));
        chevrons.lineTo(t.map(QPointF(5, 0)));
        chevrons.lineTo(t.map(QPointF(-7, 10)));
    }
    s.stroke(chevrons, 6, Rgba::hex(0xA89C84));
}

QTransform at(QPointF p)
{
    return QTransform::fromTranslate(p.x(), p.y());
}

QTransform scaledAbout(QPointF centre, double scale)
{
    return QTransform::fromTranslate(centre.x(), centre.y()).scale(scale, scale).translate(-centre.x(), -centre.y());
}

double easeInOut(double t)
{
    return t * t * (3 - 2 * t);
}

} // namespace

// The picture of a digit's rhyme, centred on a point.
void rhymePicture(Shape &s, int digit, QPointF at)
{
    switch (digit) {
    case 0: egg(s, at, 180); break;
    case 1: pencilStanding(s, at, 200); break;
    case 2: duckling(s, at, 220); break;
    case 3: ear(s, at, 190); break;
    case 4: flag(s, at, 200); break;
    case 5: scaleHook(s, at, 200); break;
    case 6: whistle(s, at, 190); break;
    case 7: sickle(s, at, 200); break;
    case 8: gourd(s, at, 200); break;
    default: spoon(s, at, 200); break;
    }
}

void writeLessonMovie(int digit, const QString &path)
{
    const Lesson lesson = lessonFor(digit);
    const QTransform toGrid = QTransform::fromTranslate(kGrid.left(), kGrid.top()).scale(kGrid.width(), kGrid.height());
    std::vector<Walk> walks;
    QPainterPath wholeDigit;
    for (const Stroke &stroke : lesson.strokes) {
        const QPainterPath line = toGrid.map(stroke.line);
        wholeDigit.addPath(line);
        QPolygonF points;
        for (const QPolygonF &part : line.toSubpathPolygons())
            points += part;
        walks.emplace_back(points);
    }

    swf::Movie movie(kStage, kFrameRate, colour::teal);
    enum Depth : std::uint16_t { Background = 1, Grid, Ghost, Arrows, Start, Side = 20, FirstInk = 100, Sparkle = 480, Pen = 500 };

    const auto background = movie.defineShape(stageBackground());
    const auto grid = movie.defineShape(writingGrid());
    const auto ghost = movie.defineShape(Shape().stroke(wholeDigit, 54, kGhost));
    Shape arrowShape;
    for (const Walk &walk : walks)
        addArrowsAlong(arrowShape, walk);
    const auto arrows = movie.defineShape(arrowShape);
    // A green dot where each stroke starts; the first one pulses while the pencil comes.
    std::vector<std::uint16_t> startMarks;
    for (const Walk &walk : walks) {
        Shape dot;
        dot.fillAndStroke(circle(walk.pointAt(0), 16), colour::green, 4, colour::white);
        startMarks.push_back(movie.defineShape(dot));
    }

    Shape side;
    const double sideX = 784;
    stickerText(side, QString::number(digit) + u" 的写法"_s, 58, QPointF(sideX, 104), colour::teal, colour::white, 8);
    rhymePicture(side, digit, QPointF(sideX, 266));
    text(side, lesson.rhyme, 40, QPointF(sideX, 424), colour::darkTeal);
    text(side, u"跟着铅笔写一写"_s, 28, QPointF(sideX, 500), Rgba::hex(0x8A7A5C));
    const auto sideCharacter = movie.defineShape(side);

    Shape sparkle;
    starFigure(sparkle, QPointF(kGrid.right() - 40, kGrid.top() + 44), 70, colour::yellow);
    const auto sparkleCharacter = movie.defineShape(sparkle);
    const QPointF sparkleCentre(kGrid.right() - 40, kGrid.top() + 44);
    const auto penCharacter = movie.defineShape(pen());
    const swf::Sound rhyme = voice(u"lesson"_s + QString::number(digit));
    const auto rhymeVoice = movie.defineSound(rhyme);

    swf::Scene base;
    base[Background] = {background, {}, {}};
    base[Grid] = {grid, {}, {}};
    base[Ghost] = {ghost, {}, {}};
    base[Arrows] = {arrows, {}, {}};
    for (std::size_t i = 0; i < startMarks.size(); ++i)
        base[std::uint16_t(Start + i)] = {startMarks[i], {}, {}};
    base[Side] = {sideCharacter, {}, {}};

    // 1. The pencil comes to the starting point while the green dot there pulses.
    const QPointF start = walks.front().pointAt(0);
    for (int f = 0; f < kIntroFrames; ++f) {
        swf::Scene scene = base;
        const double t = easeInOut(double(f) / (kIntroFrames - 1));
        const double pulse = 1.0 + 0.4 * std::abs(std::sin(2 * M_PI * f / (kIntroFrames - 1)));
        scene[Start].matrix = scaledAbout(start, pulse);
        scene[Pen] = {penCharacter, at(kPenRest + (start - kPenRest) * t), {}};
        movie.showFrame(scene);
    }

    // 2. Each stroke grows behind the pencil, one piece a frame; it rests a moment at a
    // corner; between strokes the pencil is lifted over to the next start.
    swf::Scene scene = base;
    std::uint16_t depth = FirstInk;
    for (std::size_t s = 0; s < walks.size(); ++s) {
        const Walk &walk = walks[s];
        if (s > 0) {
            const QPointF from = walks[s - 1].pointAt(walks[s - 1].length());
            const QPointF to = walk.pointAt(0);
            for (int f = 1; f <= kLiftFrames; ++f) {
                scene[Pen] = {penCharacter, at(from + (to - from) * easeInOut(double(f) / kLiftFrames)), {}};
                movie.showFrame(scene);
            }
        }
        const double corner = lesson.strokes[s].pauseAt * walk.length();
        bool paused = lesson.strokes[s].pauseAt < 0;
        double written = 0;
        while (written < walk.length()) {
            double next = std::min(walk.length(), written + kPixelsPerFrame);
            if (!paused && next >= corner)
                next = corner;
            if (next > written) {
                const auto piece = movie.defineShape(Shape().stroke(walk.piece(written, next), 40, kInk));
                scene[depth++] = {piece, {}, {}};
            }
            written = next;
            scene[Pen] = {penCharacter, at(walk.pointAt(written)), {}};
            movie.showFrame(scene);
            if (!paused && written >= corner) {
                paused = true;
                for (int f = 0; f < 4; ++f)
                    movie.showFrame(scene);
            }
        }
    }

    // 3. The pencil goes back to its place, a star praises the finished digit and the rhyme
    // is said; the digit stays until the rhyme has ended.
    const QPointF end = walks.back().pointAt(walks.back().length());
    const int restFrames = std::max(kRestFrames, int(std::ceil(rhyme.seconds() * kFrameRate)) + 6);
    for (int f = 1; f <= kLiftFrames + restFrames; ++f) {
        const double t = easeInOut(std::min(1.0, double(f) / kLiftFrames));
        scene[Pen] = {penCharacter, at(end + (kPenRest - end) * t), {}};
        const double grow = std::min(1.0, double(f) / 5);
        const double wobble = f > 5 ? 1.0 + 0.08 * std::sin(f * 0.9) : grow;
        scene[Sparkle] = {sparkleCharacter, scaledAbout(sparkleCentre, std::max(0.05, wobble)), {}};
        std::vector<swf::SoundStart> sounds;
        if (f == 1)
            sounds.push_back({rhymeVoice});
        movie.showFrame(scene, {}, {}, sounds);
    }

    // 4. The page is cleared as it was at the start, and the lesson begins again.
    swf::Scene last = base;
    last[Pen] = {penCharacter, at(kPenRest), {}};
    movie.showFrame(last);
    movie.save(path);
}

} // namespace abacolo::movies
