// The ten reward games. Each plays three rounds drawn from a pool of questions; a round shows
// a question with big clickable cards, the right card at a place drawn as well. A right card
// brings a smiling face, twinkling stars and "真棒！" with a button to the next round (after the
// last one: play again, with new questions); a wrong card brings a gentle "再试试！" over the
// question for a moment, and the cards stay clickable. The question is spoken when it appears,
// and so are the praise and "再试试".
//
// The drawing is done by the movie itself, with the player's random numbers: its first frame
// picks three different questions and a place for each right card, keeps the frames they are
// on in the variables f0, f1, f2 and goes to f0. The main timeline (N questions, K cards),
// round after round, so that every way on leads forward (the emulator starts the sounds of
// clips that a jump back brings in late, or not at all):
//   draw                  0
//   question q, round r   1 + r * (N * K + 1) + q * K + a     the right card at place a; stops
//   right answer, round r 1 + r * (N * K + 1) + N * K         stops; its button goes to f(r + 1)
// A wrong card plays the clip "bubble" on the question frame, which speaks and shows
// "再试试！" and stops again.

#include "tools/swf/movie.h"
#include "tools/swf/movies/drawkit.h"
#include "tools/swf/movies/movies.h"
#include "tools/swf/movies/voices.h"

#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace abacolo::movies {

namespace {

constexpr double kFrameRate = 12.0;
constexpr int kWrongFrames = 18; // a second and a half
constexpr int kRounds = 3;
constexpr int kSmallestPool = 10;
const QPointF kBannerCentre(508, 72);

struct Choice
{
    QRectF rect;
    Shape content;
    bool right = false;
};

struct Question
{
    Shape scene; // what the question shows besides its cards
    std::vector<Choice> choices;
};

struct Game
{
    QString name;
    QString prompt;
    Rgba background;
    std::vector<Question> pool;
};

QTransform scaledAbout(QPointF centre, double scale)
{
    return QTransform::fromTranslate(centre.x(), centre.y()).scale(scale, scale).translate(-centre.x(), -centre.y());
}

QTransform rotatedAbout(QPointF centre, double degrees, double scale = 1.0)
{
    return QTransform::fromTranslate(centre.x(), centre.y()).rotate(degrees).scale(scale, scale).translate(-centre.x(), -centre.y());
}

// n rectangles of w × h in a row centred on the stage, their tops at y.
std::vector<QRectF> row(int n, double y, double w, double h, double gap)
{
    const double total = n * w + (n - 1) * gap;
    std::vector<QRectF> result;
    for (int i = 0; i < n; ++i)
        result.emplace_back((kStage.width() - total) / 2 + i * (w + gap), y, w, h);
    return result;
}

// Centres for n things of a given size in an area, in rows of at most perRow, rows centred.
std::vector<QPointF> arrange(int n, const QRectF &area, int perRow, double size)
{
    const int rows = (n + perRow - 1) / perRow;
    std::vector<QPointF> result;
    const double rowGap = std::min(size * 1.25, area.height() / rows);
    const double top = area.center().y() - rowGap * (rows - 1) / 2;
    for (int r = 0; r < rows; ++r) {
        const int inRow = std::min(perRow, n - r * perRow);
        const double colGap = std::min(size * 1.25, area.width() / perRow);
        const double left = area.center().x() - colGap * (inRow - 1) / 2;
        for (int c = 0; c < inRow; ++c)
            result.emplace_back(left + c * colGap, top + r * rowGap);
    }
    return result;
}

using Painter = std::function<void(Shape &, QPointF, double)>;

Painter applePainter() { return [](Shape &s, QPointF p, double size) { apple(s, p, size); }; }
Painter ladybugPainter() { return [](Shape &s, QPointF p, double size) { ladybug(s, p, size); }; }
Painter starPainter() { return [](Shape &s, QPointF p, double size) { starFigure(s, p, size); }; }
Painter fishPainter() { return [](Shape &s, QPointF p, double size) { fish(s, p, size); }; }

Shape group(int n, const QRectF &area, int perRow, double size, const Painter &paint)
{
    Shape s;
    for (const QPointF p : arrange(n, area, perRow, size))
        paint(s, p, size);
    return s;
}

Shape bigNumber(int n, QPointF centre, int pixelSize, Rgba c)
{
    Shape s;
    stickerText(s, QString::number(n), pixelSize, centre, c, colour::white, pixelSize * 0.08);
    return s;
}

// A row of number discs, one of them a "?" to be found.
Shape numberTrain(const std::vector<int> &numbers, int missing, double y)
{
    Shape s;
    const Rgba discColours[] = {colour::blue, colour::green, colour::orange, colour::purple, colour::red};
    const auto slots = row(int(numbers.size()), y - 66, 132, 132, 58);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const QPointF c = slots[i].center();
        if (i + 1 < slots.size()) {
            QPainterPath arrow;
            arrow.moveTo(c + QPointF(80, -10));
            arrow.lineTo(c + QPointF(98, 0));
            arrow.lineTo(c + QPointF(80, 10));
            s.stroke(arrow, 6, Rgba::hex(0x90A4AE));
        }
        if (int(i) == missing) {
            QPainterPath dashes;
            for (int k = 0; k < 20; k += 2)
                dashes.addPath(arc(c, 62, 62, k * 18, 12));
            s.fill(circle(c, 62), colour::white);
            s.stroke(dashes, 6, colour::grey);
            text(s, u"?"_s, 84, c, colour::grey);
        } else {
            numberDisc(s, numbers[i], c, 62, discColours[i % std::size(discColours)]);
        }
    }
    return s;
}

// Cards with a number each; `right` is the one to click.
std::vector<Choice> numberCards(const std::vector<int> &numbers, int right, double y, double size = 170)
{
    std::vector<Choice> result;
    const auto rects = row(int(numbers.size()), y, size, size, 60);
    const Rgba colours[] = {colour::blue, colour::orange, colour::green, colour::purple};
    for (std::size_t i = 0; i < rects.size(); ++i)
        result.push_back({rects[i], bigNumber(numbers[i], rects[i].center(), int(size * 0.62), colours[i % 4]),
                          numbers[i] == right});
    return result;
}

// --- the ten games -----------------------------------------------------------------------

Painter ballPainter(Rgba c) { return [c](Shape &s, QPointF p, double size) { ball(s, p, size, c); }; }

const Painter &painterAt(std::size_t i)
{
    static const Painter painters[] = {applePainter(), ladybugPainter(), starPainter(), fishPainter()};
    return painters[i % std::size(painters)];
}

// Cards in a row: the first one is the right one, its place is drawn when the game plays.
std::vector<Choice> firstIsRight(std::vector<Choice> choices)
{
    for (std::size_t i = 0; i < choices.size(); ++i)
        choices[i].right = i == 0;
    return choices;
}

Game moreGame()
{
    Game g{u"游戏一"_s, u"哪边多？点一点！"_s, Rgba::hex(0xE3F4D7), {}};
    const std::pair<int, int> pool[] = {{5, 3}, {6, 4}, {7, 2}, {4, 1}, {8, 5}, {9, 6}, {3, 1}, {7, 5}, {6, 3}, {8, 4}};
    const QRectF left(96, 146, 388, 440), right(532, 146, 388, 440);
    for (std::size_t i = 0; i < std::size(pool); ++i) {
        const auto [more, fewer] = pool[i];
        Question q;
        q.choices.push_back({left, group(more, left.adjusted(20, 20, -20, -20), 3, 96, painterAt(i)), true});
        q.choices.push_back({right, group(fewer, right.adjusted(20, 20, -20, -20), 3, 96, painterAt(i)), false});
        g.pool.push_back(std::move(q));
    }
    return g;
}

Game nextNumberGame()
{
    Game g{u"游戏二"_s, u"接下来是几？"_s, Rgba::hex(0xFFF1C9), {}};
    std::vector<std::vector<int>> pool;
    for (int first = 0; first <= 7; ++first)
        pool.push_back({first, first + 1, first + 2});
    pool.push_back({2, 4, 6});
    pool.push_back({1, 3, 5});
    for (const std::vector<int> &shown : pool) {
        const int step = shown[1] - shown[0];
        const int next = shown.back() + step;
        Question q;
        std::vector<int> train = shown;
        train.push_back(0);
        q.scene = numberTrain(train, 3, 250);
        q.choices = numberCards({next, next + 1 <= 10 ? next + 1 : next - 3, next - 2}, next, 386);
        g.pool.push_back(std::move(q));
    }
    return g;
}

// Four names of a list of six: the target and three others.
std::vector<int> targetAndThreeOthers(int i)
{
    const int target = i % 6;
    const int offsets[2][3] = {{1, 2, 4}, {3, 5, 2}};
    std::vector<int> result{target};
    for (int offset : offsets[(i / 6) % 2])
        result.push_back((target + offset) % 6);
    return result;
}

Game sameShapeGame()
{
    Game g{u"游戏三"_s, u"找一找，哪个图形一样？"_s, Rgba::hex(0xEDE3F7), {}};
    const QString shapes[] = {u"star"_s, u"circle"_s, u"triangle"_s, u"heart"_s, u"square"_s, u"diamond"_s};
    const Rgba shades[] = {Rgba::hex(0x7E57C2), Rgba::hex(0x26A69A)};
    for (int i = 0; i < 12; ++i) {
        const std::vector<int> names = targetAndThreeOthers(i);
        const Rgba shade = shades[(i / 6) % 2];
        Question q;
        const QRectF target(418, 136, 180, 180);
        card(q.scene, target, Rgba::hex(0xFFFDE7), colour::gold);
        figure(q.scene, shapes[names[0]], target.center(), 120, shade);
        QPainterPath arrow;
        arrow.moveTo(508, 328);
        arrow.lineTo(508, 362);
        arrow.moveTo(490, 346);
        arrow.lineTo(508, 366);
        arrow.lineTo(526, 346);
        q.scene.stroke(arrow, 7, Rgba::hex(0xB39DDB));
        const auto rects = row(4, 390, 180, 180, 44);
        for (std::size_t c = 0; c < rects.size(); ++c) {
            Shape content;
            figure(content, shapes[names[c]], rects[c].center(), 120, shade);
            q.choices.push_back({rects[c], content, false});
        }
        q.choices = firstIsRight(std::move(q.choices));
        g.pool.push_back(std::move(q));
    }
    return g;
}

Game countGame()
{
    Game g{u"游戏四"_s, u"数一数，有几个？"_s, Rgba::hex(0xDDF1F9), {}};
    for (int count = 1; count <= 10; ++count) {
        Question q;
        const QRectF panel(150, 136, 716, 236);
        card(q.scene, panel, colour::white, Rgba::hex(0xB3E5FC));
        q.scene.add(group(count, panel.adjusted(20, 10, -20, -10), count > 6 ? 5 : 6, count > 6 ? 88 : 100,
                          painterAt(std::size_t(count))));
        q.choices = numberCards({count, count + 1, count > 1 ? count - 1 : count + 2}, count, 400);
        g.pool.push_back(std::move(q));
    }
    return g;
}

Game biggerGame()
{
    Game g{u"游戏五"_s, u"哪个数大？点大的！"_s, Rgba::hex(0xFFE3DC), {}};
    const std::pair<int, int> pool[] = {{5, 3}, {8, 6}, {7, 4}, {9, 2}, {6, 1}, {10, 5}, {7, 3}, {4, 1}, {9, 8}, {10, 6}};
    const QRectF rects[] = {QRectF(166, 146, 300, 436), QRectF(550, 146, 300, 436)};
    const Rgba tints[] = {colour::blue, colour::pink};
    for (const auto &[bigger, smaller] : pool) {
        Question q;
        const int values[] = {bigger, smaller};
        for (int i = 0; i < 2; ++i) {
            Shape content = bigNumber(values[i], rects[i].center() - QPointF(0, 80), 170, tints[i]);
            for (const QPointF p : arrange(values[i], QRectF(rects[i].left() + 30, rects[i].top() + 290, 240, 120), 5, 40))
                content.fill(circle(p, 16), tints[i]);
            q.choices.push_back({rects[i], content, i == 0});
        }
        g.pool.push_back(std::move(q));
    }
    return g;
}

Game sameColourGame()
{
    Game g{u"游戏六"_s, u"哪个球和气球颜色一样？"_s, Rgba::hex(0xE0F4F1), {}};
    const Rgba palette[] = {colour::red, colour::blue, colour::green, colour::yellow, colour::purple, colour::orange};
    for (int i = 0; i < 12; ++i) {
        const std::vector<int> colours = targetAndThreeOthers(i);
        Question q;
        const QRectF target(418, 134, 180, 200);
        card(q.scene, target, Rgba::hex(0xFFFDE7), colour::gold);
        balloon(q.scene, target.center(), 170, palette[colours[0]]);
        const auto rects = row(4, 390, 180, 180, 44);
        for (std::size_t c = 0; c < rects.size(); ++c) {
            Shape content;
            ball(content, rects[c].center(), 130, palette[colours[c]]);
            q.choices.push_back({rects[c], content, false});
        }
        q.choices = firstIsRight(std::move(q.choices));
        g.pool.push_back(std::move(q));
    }
    return g;
}

Game oddOneGame()
{
    Game g{u"游戏七"_s, u"哪个不一样？"_s, Rgba::hex(0xFCE4EC), {}};
    const auto rects = row(4, 230, 190, 220, 40);
    using Thing = std::function<void(Shape &, QPointF)>;
    const Thing things[] = {
        [](Shape &s, QPointF p) { ball(s, p, 140, colour::red); },
        [](Shape &s, QPointF p) { ball(s, p, 140, colour::blue); },
        [](Shape &s, QPointF p) { figure(s, u"star"_s, p, 130, colour::orange); },
        [](Shape &s, QPointF p) { figure(s, u"heart"_s, p, 130, colour::orange); },
        [](Shape &s, QPointF p) { ladybug(s, p, 140); },
        [](Shape &s, QPointF p) { fish(s, p, 150); },
        [](Shape &s, QPointF p) { apple(s, p, 140); },
        [](Shape &s, QPointF p) { flower(s, p, 150, colour::pink); },
    };
    const std::pair<int, int> pool[] = {{0, 1}, {2, 3}, {4, 5}, {6, 0}, {1, 5}, {3, 2}, {7, 6}, {5, 4}, {6, 7}, {2, 1}};
    for (const auto &[same, odd] : pool) {
        Question q;
        for (std::size_t c = 0; c < rects.size(); ++c) {
            Shape content;
            things[c == 0 ? odd : same](content, rects[c].center());
            q.choices.push_back({rects[c], content, false});
        }
        q.choices = firstIsRight(std::move(q.choices));
        g.pool.push_back(std::move(q));
    }
    return g;
}

Game missingNumberGame()
{
    Game g{u"游戏八"_s, u"少了几？点一点！"_s, Rgba::hex(0xFFF3E0), {}};
    const std::pair<int, int> pool[] = {{1, 2}, {5, 1}, {6, 2}, {2, 3}, {3, 0}, {4, 1}, {0, 2}, {6, 3}, {2, 1}, {5, 0}};
    for (const auto &[first, missing] : pool) {
        Question q;
        const std::vector<int> train{first, first + 1, first + 2, first + 3};
        const int answer = train[std::size_t(missing)];
        q.scene = numberTrain(train, missing, 250);
        q.choices = numberCards({answer, answer + 2 <= 10 ? answer + 2 : answer - 3, answer >= 1 ? answer - 1 : answer + 3},
                                answer, 386);
        g.pool.push_back(std::move(q));
    }
    return g;
}

Game longestGame()
{
    Game g{u"游戏九"_s, u"哪支铅笔最长？"_s, Rgba::hex(0xE8EAF6), {}};
    const Rgba tints[] = {colour::red, colour::green, colour::blue};
    const std::vector<double> pool[] = {{540, 300, 420}, {560, 330, 440}, {580, 380, 260}, {520, 450, 300}, {470, 250, 360},
                                        {600, 420, 500}, {560, 340, 280}, {480, 380, 300}, {600, 440, 520}, {500, 300, 400}};
    for (std::size_t i = 0; i < std::size(pool); ++i) {
        Question q;
        for (std::size_t c = 0; c < pool[i].size(); ++c) {
            const QRectF rect(188, 140 + double(c) * 150, 640, 124);
            Shape content;
            pencilLying(content, QPointF(rect.left() + 30, rect.center().y()), pool[i][c], 46, tints[(c + i) % 3]);
            q.choices.push_back({rect, content, c == 0});
        }
        g.pool.push_back(std::move(q));
    }
    return g;
}

Game smallestGame()
{
    Game g{u"游戏十"_s, u"点一点，哪个最小？"_s, Rgba::hex(0xF1F8E9), {}};
    const auto rects = row(4, 220, 190, 240, 40);
    const Painter painters[] = {ballPainter(colour::purple), starPainter(), applePainter(), ballPainter(colour::orange),
                                ladybugPainter()};
    const std::vector<double> pool[] = {{62, 150, 110, 130}, {60, 150, 100, 125}, {58, 120, 150, 95}, {70, 140, 110, 160},
                                        {64, 100, 150, 128}, {56, 132, 96, 150}, {66, 150, 120, 104}, {60, 110, 140, 156},
                                        {72, 160, 118, 138}, {58, 96, 128, 150}};
    for (std::size_t i = 0; i < std::size(pool); ++i) {
        Question q;
        for (std::size_t c = 0; c < rects.size(); ++c) {
            Shape content;
            painters[i % std::size(painters)](content, rects[c].center(), pool[i][c]);
            q.choices.push_back({rects[c], content, c == 0});
        }
        g.pool.push_back(std::move(q));
    }
    return g;
}

// --- the common parts of every game ------------------------------------------------------

Shape backdrop(Rgba tint)
{
    Shape s;
    s.fill(roundedRect(QRectF(-10, -10, kStage.width() + 20, kStage.height() + 20), 0), tint);
    const Rgba dots = darker(tint, 0.06);
    for (const auto &[x, y, r] : {std::tuple{40.0, 200.0, 60.0}, {980.0, 420.0, 80.0}, {120.0, 560.0, 36.0},
                                  {900.0, 150.0, 30.0}, {560.0, 650.0, 44.0}, {20.0, 680.0, 70.0}})
        s.fill(circle(QPointF(x, y), r), dots);
    s.fill(roundedRect(QRectF(-10, 612, kStage.width() + 20, 110), 0), Rgba{0, 99, 112, 40});
    return s;
}

Shape banner(const QString &prompt)
{
    Shape s;
    card(s, QRectF(56, 22, 904, 100), colour::white, Rgba::hex(0x80CBC4));
    text(s, prompt, 52, kBannerCentre, colour::darkTeal);
    return s;
}

Shape praise(const QString &words, int size)
{
    Shape s;
    stickerText(s, words, size, kBannerCentre + QPointF(0, 6), Rgba::hex(0xFF7043), colour::white, size * 0.14);
    return s;
}

Shape footer(const QString &name, int rounds, int done)
{
    Shape s;
    text(s, name, 30, QPointF(110, 658), colour::darkTeal);
    for (int i = 0; i < rounds; ++i) {
        const QPointF c(508 + (i - (rounds - 1) / 2.0) * 74, 656);
        const bool lit = i < done;
        s.fillAndStroke(star(c, 30, 14), lit ? colour::yellow : colour::white, 4, lit ? colour::orange : Rgba::hex(0xB0BEC5));
    }
    return s;
}

Shape tryAgainBubble()
{
    Shape s;
    const QRectF box(48, 14, 920, 118);
    s.fill(roundedRect(box.translated(3, 6), 40), Rgba{0, 40, 50, 45});
    s.fillAndStroke(roundedRect(box, 40), Rgba::hex(0xE3F2FD), 5, Rgba::hex(0x64B5F6));
    encouragingFace(s, QPointF(box.center().x() - 150, box.center().y()), 44);
    stickerText(s, u"再试试！"_s, 60, QPointF(box.center().x() + 44, box.center().y()), colour::blue, colour::white, 8);
    return s;
}

std::uint16_t pillButton(swf::Movie &movie, const QString &label, Rgba tint, const swf::Actions &click)
{
    const QRectF rect(358, 506, 300, 88);
    const auto face = [&](Rgba c) {
        Shape s;
        s.fill(roundedRect(rect.translated(3, 7), 44), Rgba{0, 40, 50, 60});
        s.fillAndStroke(roundedRect(rect, 44), c, 5, darker(c, 0.3));
        s.fill(roundedRect(rect.adjusted(24, 10, -24, -48), 18), lighter(c, 0.3));
        stickerText(s, label, 46, rect.center() + QPointF(-20, 0), colour::white, darker(c, 0.35), 6);
        QPainterPath arrow;
        const QPointF tip = rect.center() + QPointF(112, 0);
        arrow.moveTo(tip + QPointF(-22, -20));
        arrow.lineTo(tip);
        arrow.lineTo(tip + QPointF(-22, 20));
        arrow.closeSubpath();
        s.fillAndStroke(arrow, colour::white, 4, darker(c, 0.35));
        return s;
    };
    const auto up = movie.defineShape(face(tint));
    const auto over = movie.defineShape(face(lighter(tint, 0.2)));
    const auto hit = movie.defineShape(Shape().fill(roundedRect(rect, 44), colour::white));
    swf::Button b;
    b.show(up, swf::Up, 1)
        .show(over, swf::Over, 1, scaledAbout(rect.center(), 1.05))
        .show(over, swf::Down, 1, scaledAbout(rect.center(), 0.96))
        .show(hit, swf::HitTest, 2)
        .onClick(click);
    return movie.defineButton(b);
}

std::uint16_t choiceButton(swf::Movie &movie, const Choice &choice, const swf::Actions &click)
{
    Shape face;
    card(face, choice.rect);
    face.add(choice.content);
    Shape glow;
    glow.fill(roundedRect(choice.rect.adjusted(-16, -16, 16, 16), std::min(choice.rect.width(), choice.rect.height()) * 0.18),
              Rgba{255, 202, 40, 230});
    const auto faceId = movie.defineShape(face);
    const auto glowId = movie.defineShape(glow);
    const auto hit = movie.defineShape(Shape().fill(roundedRect(choice.rect, 10), colour::white));
    swf::Button b;
    b.show(faceId, swf::Up, 2)
        .show(glowId, swf::Over, 1)
        .show(faceId, swf::Over, 2, scaledAbout(choice.rect.center(), 1.04))
        .show(faceId, swf::Down, 2, scaledAbout(choice.rect.center(), 0.97))
        .show(hit, swf::HitTest, 3)
        .onClick(click);
    return movie.defineButton(b);
}

// A smiling face bouncing among twinkling stars, looping on its own while the game waits.
std::uint16_t celebration(swf::Movie &movie)
{
    Shape face;
    smileyFace(face, QPointF(0, 0), 112);
    const auto faceId = movie.defineShape(face);
    Shape starShape;
    starFigure(starShape, QPointF(0, 0), 74, colour::yellow);
    const auto starId = movie.defineShape(starShape);
    Shape littleStar;
    littleStar.fill(star(QPointF(0, 0), 22, 9), Rgba::hex(0xFF8A65));
    const auto littleId = movie.defineShape(littleStar);

    const QPointF centre(508, 318);
    swf::Sprite sprite;
    const int frames = 24;
    for (int f = 0; f < frames; ++f) {
        const double turn = 2 * M_PI * f / frames;
        swf::Scene scene;
        for (int i = 0; i < 8; ++i) {
            const double a = 2 * M_PI * i / 8 + 0.2;
            const QPointF p = centre + QPointF(std::cos(a) * 268, std::sin(a) * 150);
            const double pulse = 0.75 + 0.3 * std::sin(turn + i * 0.8);
            QTransform m = QTransform::fromTranslate(p.x(), p.y());
            m.rotate(12 * std::sin(turn + i)).scale(pulse, pulse);
            scene[std::uint16_t(1 + i)] = {i % 2 == 0 ? starId : littleId, m, {}};
        }
        QTransform m = QTransform::fromTranslate(centre.x(), centre.y() - 14 * std::abs(std::sin(turn)));
        m.rotate(5 * std::sin(turn));
        scene[20] = {faceId, m, {}};
        sprite.frame(scene);
    }
    return movie.defineSprite(sprite);
}

// A clip that only plays sounds (and stops others) when it appears.
std::uint16_t voiceClip(swf::Movie &movie, const std::vector<swf::SoundStart> &sounds)
{
    swf::Sprite clip;
    clip.frame({}, swf::Actions().stop(), sounds);
    return movie.defineSprite(clip);
}

// "再试试！" popping up over the banner, spoken: waits on an empty first frame until a wrong
// card plays it, and goes back there.
std::uint16_t tryAgainClip(swf::Movie &movie, std::uint16_t prompt)
{
    const auto bubble = movie.defineShape(tryAgainBubble());
    const auto voiceId = movie.defineSound(voice(u"tryagain"_s));
    const QPointF centre(508, 73);
    swf::Sprite clip;
    clip.frame({}, swf::Actions().stop());
    for (int f = 0; f < kWrongFrames; ++f) {
        const double pop = std::min(1.0, 0.6 + 0.14 * f);
        swf::Scene scene{{1, {bubble, rotatedAbout(centre, 2.0 * std::sin(f * 1.1), pop), {}}}};
        std::vector<swf::SoundStart> sounds;
        if (f == 0)
            sounds = {{prompt, true}, {voiceId}};
        clip.frame(scene, f + 1 == kWrongFrames ? swf::Actions().gotoFrame(0) : swf::Actions(), sounds);
    }
    return movie.defineSprite(clip);
}

QString frameVariable(int round)
{
    return u"f"_s + QString::number(round);
}

// The first frame's program: three different questions of n, the right card of each at one
// of k places, kept as the frames to show in f0, f1 and f2 (the question frames of round r
// start at firstFrame(r)); then to f0.
swf::Actions drawRounds(int n, int k, const std::function<int(int)> &firstFrame)
{
    const auto var = [](const QString &name) { return swf::Actions().variable(name); };
    swf::Actions a;
    a.setVariableTo(u"q0"_s, swf::Actions().push(n).random());
    a.setVariableTo(u"q1"_s, var(u"q0"_s).push(1).add().push(n - 1).random().add().push(n).modulo());
    // The third: the t-th of the questions that are neither of the first two.
    a.setVariableTo(u"lo"_s, var(u"q0"_s));
    a.setVariableTo(u"hi"_s, var(u"q1"_s));
    a.variable(u"q1"_s).variable(u"q0"_s).less().logicalNot().ifTrue(u"ordered"_s);
    a.setVariableTo(u"lo"_s, var(u"q1"_s));
    a.setVariableTo(u"hi"_s, var(u"q0"_s));
    a.label(u"ordered"_s);
    a.setVariableTo(u"q2"_s, swf::Actions().push(n - 2).random());
    a.variable(u"q2"_s).variable(u"lo"_s).less().ifTrue(u"belowLow"_s);
    a.setVariableTo(u"q2"_s, var(u"q2"_s).push(1).add());
    a.label(u"belowLow"_s);
    a.variable(u"q2"_s).variable(u"hi"_s).less().ifTrue(u"belowHigh"_s);
    a.setVariableTo(u"q2"_s, var(u"q2"_s).push(1).add());
    a.label(u"belowHigh"_s);
    for (int r = 0; r < kRounds; ++r) {
        // Frames count from one in a movie's own scripts.
        a.setVariableTo(frameVariable(r), swf::Actions()
                                              .push(firstFrame(r) + 1)
                                              .variable(u"q"_s + QString::number(r))
                                              .push(k)
                                              .multiply()
                                              .add()
                                              .push(k)
                                              .random()
                                              .add());
    }
    return a.variable(frameVariable(0)).gotoPoppedFrame();
}

void writeGame(const Game &game, int number, const QString &path)
{
    const int n = int(game.pool.size());
    const int k = int(game.pool.front().choices.size());
    const std::string name = game.name.toStdString();
    if (n < kSmallestPool)
        throw swf::WriteError(name + ": a game needs a pool of ten questions or more");
    for (const Question &q : game.pool) {
        if (int(q.choices.size()) != k)
            throw swf::WriteError(name + ": every question needs the same number of cards");
        if (std::count_if(q.choices.begin(), q.choices.end(), [](const Choice &c) { return c.right; }) != 1)
            throw swf::WriteError(name + ": every question needs exactly one right card");
        for (const Choice &c : q.choices)
            if (c.rect.size() != q.choices.front().rect.size())
                throw swf::WriteError(name + ": the cards of a question differ in size");
    }
    const auto askFrame = [n, k](int round, int question, int place) { return 1 + round * (n * k + 1) + question * k + place; };
    const auto rightFrame = [n, k](int round) { return 1 + round * (n * k + 1) + n * k; };

    swf::Movie movie(kStage, kFrameRate, game.background);
    enum Depth : std::uint16_t { Backdrop = 1, Footer, Banner, Scene, Party, Choices = 10, Next = 30, Bubble = 40, Voice = 50 };

    const auto backdropId = movie.defineShape(backdrop(game.background));
    std::vector<std::uint16_t> footers;
    for (int done = 0; done <= kRounds; ++done)
        footers.push_back(movie.defineShape(footer(game.name, kRounds, done)));
    const auto party = celebration(movie);
    const auto goodId = movie.defineShape(praise(u"真棒！答对了！"_s, 68));
    const auto allGoodId = movie.defineShape(praise(u"太棒了！全都答对了！"_s, 64));
    const auto bannerId = movie.defineShape(banner(game.prompt));
    const auto promptSound = movie.defineSound(voice(u"prompt"_s + QString::number(number)));
    const auto promptVoice = voiceClip(movie, {{promptSound}});
    const auto praiseVoice = voiceClip(movie, {{promptSound, true}, {movie.defineSound(voice(u"praise"_s))}});
    const auto allRightVoice = voiceClip(movie, {{promptSound, true}, {movie.defineSound(voice(u"allright"_s))}});
    const auto tryAgain = tryAgainClip(movie, promptSound);
    swf::Actions wrongClick;
    wrongClick.setTarget(u"bubble"_s).gotoFrame(1).play().setTarget(QString());

    // 0: the drawing of the rounds.
    swf::Scene drawing;
    drawing[Backdrop] = {backdropId, {}, {}};
    drawing[Footer] = {footers[0], {}, {}};
    movie.showFrame(drawing, drawRounds(n, k, [&](int r) { return askFrame(r, 0, 0); }));

    // Round by round: its question frames, then its praise with the way on.
    for (int r = 0; r < kRounds; ++r) {
        for (int qi = 0; qi < n; ++qi) {
            const Question &q = game.pool[std::size_t(qi)];
            const auto sceneId = q.scene.isEmpty() ? std::uint16_t(0) : movie.defineShape(q.scene);
            const auto right = std::find_if(q.choices.begin(), q.choices.end(), [](const Choice &c) { return c.right; });
            const int rightIndex = int(right - q.choices.begin());
            std::vector<std::uint16_t> buttons;
            for (const Choice &choice : q.choices)
                buttons.push_back(choiceButton(movie, choice, choice.right ? swf::Actions().gotoFrame(rightFrame(r)) : wrongClick));
            for (int place = 0; place < k; ++place) {
                swf::Scene ask;
                ask[Backdrop] = {backdropId, {}, {}};
                ask[Footer] = {footers[std::size_t(r)], {}, {}};
                ask[Banner] = {bannerId, {}, {}};
                if (sceneId != 0)
                    ask[Scene] = {sceneId, {}, {}};
                for (int c = 0; c < k; ++c) {
                    // Card c goes to the place that puts the right card at `place`.
                    const int at = (c - rightIndex + place + k) % k;
                    const QPointF shift = q.choices[std::size_t(at)].rect.topLeft() - q.choices[std::size_t(c)].rect.topLeft();
                    ask[std::uint16_t(Choices + c)] = {buttons[std::size_t(c)], QTransform::fromTranslate(shift.x(), shift.y()), {}};
                }
                ask[Bubble] = {tryAgain, {}, {}, u"bubble"_s};
                ask[Voice] = {promptVoice, {}, {}};
                movie.showFrame(ask, swf::Actions().stop());
            }
        }

        const bool last = r + 1 == kRounds;
        const auto next = last ? pillButton(movie, u"再玩一次"_s, colour::orange, swf::Actions().gotoFrame(0))
                               : pillButton(movie, u"下一题"_s, colour::green,
                                            swf::Actions().variable(frameVariable(r + 1)).gotoPoppedFrame());
        swf::Scene right;
        right[Backdrop] = {backdropId, {}, {}};
        right[Footer] = {footers[std::size_t(r + 1)], {}, {}};
        right[Banner] = {last ? allGoodId : goodId, {}, {}};
        right[Party] = {party, {}, {}};
        right[Next] = {next, {}, {}};
        right[Voice] = {last ? allRightVoice : praiseVoice, {}, {}};
        movie.showFrame(right, swf::Actions().stop());
    }
    movie.save(path);
}

} // namespace

void writeGameMovie(int number, const QString &path)
{
    static const std::function<Game()> games[] = {moreGame,       nextNumberGame,    sameShapeGame, countGame,
                                                  biggerGame,     sameColourGame,    oddOneGame,    missingNumberGame,
                                                  longestGame,    smallestGame};
    if (number < 1 || number > int(std::size(games)))
        throw swf::WriteError("there are games 1 to 10 only");
    writeGame(games[number - 1](), number, path);
}

} // namespace abacolo::movies
