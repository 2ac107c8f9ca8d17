// The ten reward games. Each has three rounds; a round shows a question with big clickable
// cards. A right card brings a smiling face, twinkling stars and "真棒！" with a button to the
// next round (after the last one: play again from the first); a wrong card brings a gentle
// "再试试！" over the question for a moment, and the cards stay clickable.
//
// Timeline of round r (W wrong-answer frames):
//   question  r * (W + 2)       stops and waits for a card
//   right     r * (W + 2) + 1   stops; its button goes to the next question
//   wrong     r * (W + 2) + 2 … the last of them goes back to the question

#include "tools/swf/movie.h"
#include "tools/swf/movies/drawkit.h"
#include "tools/swf/movies/movies.h"

#include <QTransform>
#include <QtMath>

#include <cmath>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace abacolo::movies {

namespace {

constexpr double kFrameRate = 12.0;
constexpr int kWrongFrames = 18; // a second and a half
constexpr int kFramesPerRound = kWrongFrames + 2;
const QPointF kBannerCentre(508, 72);

struct Choice
{
    QRectF rect;
    Shape content;
    bool right = false;
};

struct Round
{
    QString prompt;
    Shape scene; // what the question shows besides its cards
    std::vector<Choice> choices;
};

struct Game
{
    QString name;
    Rgba background;
    std::vector<Round> rounds;
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

Game moreGame()
{
    Game g{u"游戏一"_s, Rgba::hex(0xE3F4D7), {}};
    const struct { int left, right; Painter paint; } rounds[] = {
        {3, 5, applePainter()}, {6, 4, ladybugPainter()}, {2, 7, starPainter()}};
    for (const auto &r : rounds) {
        Round round{u"哪边多？点一点！"_s, {}, {}};
        const QRectF left(96, 146, 388, 440), right(532, 146, 388, 440);
        round.choices.push_back({left, group(r.left, left.adjusted(20, 20, -20, -20), 3, 96, r.paint), r.left > r.right});
        round.choices.push_back({right, group(r.right, right.adjusted(20, 20, -20, -20), 3, 96, r.paint), r.right > r.left});
        g.rounds.push_back(std::move(round));
    }
    return g;
}

Game nextNumberGame()
{
    Game g{u"游戏二"_s, Rgba::hex(0xFFF1C9), {}};
    const struct { std::vector<int> shown; std::vector<int> offered; } rounds[] = {
        {{1, 2, 3}, {4, 6, 2}}, {{4, 5, 6}, {9, 7, 5}}, {{6, 7, 8}, {5, 10, 9}}};
    for (const auto &r : rounds) {
        Round round{u"接下来是几？"_s, {}, {}};
        std::vector<int> train = r.shown;
        train.push_back(0);
        round.scene = numberTrain(train, 3, 250);
        round.choices = numberCards(r.offered, r.shown.back() + 1, 386);
        g.rounds.push_back(std::move(round));
    }
    return g;
}

Game sameShapeGame()
{
    Game g{u"游戏三"_s, Rgba::hex(0xEDE3F7), {}};
    const Rgba shade = Rgba::hex(0x7E57C2);
    const struct { QString target; std::vector<QString> offered; } rounds[] = {
        {u"star"_s, {u"circle"_s, u"star"_s, u"triangle"_s, u"heart"_s}},
        {u"triangle"_s, {u"square"_s, u"heart"_s, u"circle"_s, u"triangle"_s}},
        {u"heart"_s, {u"heart"_s, u"diamond"_s, u"star"_s, u"square"_s}}};
    for (const auto &r : rounds) {
        Round round{u"找一找，哪个图形一样？"_s, {}, {}};
        const QRectF target(418, 136, 180, 180);
        card(round.scene, target, Rgba::hex(0xFFFDE7), colour::gold);
        figure(round.scene, r.target, target.center(), 120, shade);
        QPainterPath arrow;
        arrow.moveTo(508, 328);
        arrow.lineTo(508, 362);
        arrow.moveTo(490, 346);
        arrow.lineTo(508, 366);
        arrow.lineTo(526, 346);
        round.scene.stroke(arrow, 7, Rgba::hex(0xB39DDB));
        const auto rects = row(4, 390, 180, 180, 44);
        for (std::size_t i = 0; i < rects.size(); ++i) {
            Shape content;
            figure(content, r.offered[i], rects[i].center(), 120, shade);
            round.choices.push_back({rects[i], content, r.offered[i] == r.target});
        }
        g.rounds.push_back(std::move(round));
    }
    return g;
}

Game countGame()
{
    Game g{u"游戏四"_s, Rgba::hex(0xDDF1F9), {}};
    const struct { int count; std::vector<int> offered; Painter paint; } rounds[] = {
        {4, {3, 4, 5}, ladybugPainter()}, {6, {8, 5, 6}, starPainter()}, {3, {3, 2, 4}, fishPainter()}};
    for (const auto &r : rounds) {
        Round round{u"数一数，有几个？"_s, {}, {}};
        const QRectF panel(150, 136, 716, 236);
        card(round.scene, panel, colour::white, Rgba::hex(0xB3E5FC));
        round.scene.add(group(r.count, panel.adjusted(20, 10, -20, -10), 6, 100, r.paint));
        round.choices = numberCards(r.offered, r.count, 400);
        g.rounds.push_back(std::move(round));
    }
    return g;
}

Game biggerGame()
{
    Game g{u"游戏五"_s, Rgba::hex(0xFFE3DC), {}};
    const std::pair<int, int> rounds[] = {{3, 5}, {8, 6}, {4, 7}};
    for (const auto &[a, b] : rounds) {
        Round round{u"哪个数大？点大的！"_s, {}, {}};
        const QRectF rects[] = {QRectF(166, 146, 300, 436), QRectF(550, 146, 300, 436)};
        const int values[] = {a, b};
        const Rgba tints[] = {colour::blue, colour::pink};
        for (int i = 0; i < 2; ++i) {
            Shape content = bigNumber(values[i], rects[i].center() - QPointF(0, 80), 170, tints[i]);
            for (const QPointF p : arrange(values[i], QRectF(rects[i].left() + 30, rects[i].top() + 290, 240, 120), 5, 40))
                content.fill(circle(p, 16), tints[i]);
            round.choices.push_back({rects[i], content, values[i] > values[1 - i]});
        }
        g.rounds.push_back(std::move(round));
    }
    return g;
}

Game sameColourGame()
{
    Game g{u"游戏六"_s, Rgba::hex(0xE0F4F1), {}};
    const Rgba palette[] = {colour::red, colour::blue, colour::green, colour::yellow};
    const struct { int target; int order[4]; } rounds[] = {{0, {1, 3, 0, 2}}, {1, {1, 0, 2, 3}}, {2, {3, 2, 1, 0}}};
    for (const auto &r : rounds) {
        Round round{u"哪个球和气球颜色一样？"_s, {}, {}};
        const QRectF target(418, 134, 180, 200);
        card(round.scene, target, Rgba::hex(0xFFFDE7), colour::gold);
        balloon(round.scene, target.center(), 170, palette[r.target]);
        const auto rects = row(4, 390, 180, 180, 44);
        for (int i = 0; i < 4; ++i) {
            Shape content;
            ball(content, rects[std::size_t(i)].center(), 130, palette[r.order[i]]);
            round.choices.push_back({rects[std::size_t(i)], content, r.order[i] == r.target});
        }
        g.rounds.push_back(std::move(round));
    }
    return g;
}

Game oddOneGame()
{
    Game g{u"游戏七"_s, Rgba::hex(0xFCE4EC), {}};
    const auto rects = row(4, 230, 190, 220, 40);
    struct OddRound
    {
        int odd;
        std::function<void(Shape &, QPointF, bool)> paint;
    };
    const OddRound rounds[] = {
        {2, [](Shape &s, QPointF p, bool odd) { ball(s, p, 140, odd ? colour::blue : colour::red); }},
        {0, [](Shape &s, QPointF p, bool odd) { figure(s, odd ? u"heart"_s : u"star"_s, p, 130, colour::orange); }},
        {3, [](Shape &s, QPointF p, bool odd) { odd ? fish(s, p, 150) : ladybug(s, p, 140); }}};
    for (const auto &r : rounds) {
        Round round{u"哪个不一样？"_s, {}, {}};
        for (int i = 0; i < 4; ++i) {
            Shape content;
            r.paint(content, rects[std::size_t(i)].center(), i == r.odd);
            round.choices.push_back({rects[std::size_t(i)], content, i == r.odd});
        }
        g.rounds.push_back(std::move(round));
    }
    return g;
}

Game missingNumberGame()
{
    Game g{u"游戏八"_s, Rgba::hex(0xFFF3E0), {}};
    const struct { std::vector<int> train; int missing; std::vector<int> offered; } rounds[] = {
        {{1, 2, 3, 4}, 2, {5, 3, 1}}, {{5, 6, 7, 8}, 1, {6, 9, 4}}, {{6, 7, 8, 9}, 2, {2, 7, 8}}};
    for (const auto &r : rounds) {
        Round round{u"少了几？点一点！"_s, {}, {}};
        round.scene = numberTrain(r.train, r.missing, 250);
        round.choices = numberCards(r.offered, r.train[std::size_t(r.missing)], 386);
        g.rounds.push_back(std::move(round));
    }
    return g;
}

Game longestGame()
{
    Game g{u"游戏九"_s, Rgba::hex(0xE8EAF6), {}};
    const Rgba tints[] = {colour::red, colour::green, colour::blue};
    const std::vector<double> rounds[] = {{300, 540, 420}, {560, 330, 440}, {380, 260, 580}};
    for (const auto &lengths : rounds) {
        Round round{u"哪支铅笔最长？"_s, {}, {}};
        const double longest = *std::max_element(lengths.begin(), lengths.end());
        for (std::size_t i = 0; i < lengths.size(); ++i) {
            const QRectF rect(188, 140 + i * 150, 640, 124);
            Shape content;
            pencilLying(content, QPointF(rect.left() + 30, rect.center().y()), lengths[i], 46, tints[i]);
            round.choices.push_back({rect, content, lengths[i] == longest});
        }
        g.rounds.push_back(std::move(round));
    }
    return g;
}

Game smallestGame()
{
    Game g{u"游戏十"_s, Rgba::hex(0xF1F8E9), {}};
    const auto rects = row(4, 220, 190, 240, 40);
    const struct { std::vector<double> sizes; Painter paint; } rounds[] = {
        {{150, 110, 62, 130}, [](Shape &s, QPointF p, double size) { ball(s, p, size, colour::purple); }},
        {{60, 150, 100, 125}, starPainter()},
        {{120, 150, 95, 58}, applePainter()}};
    for (const auto &r : rounds) {
        Round round{u"点一点，哪个最小？"_s, {}, {}};
        const double smallest = *std::min_element(r.sizes.begin(), r.sizes.end());
        for (std::size_t i = 0; i < rects.size(); ++i) {
            Shape content;
            r.paint(content, rects[i].center(), r.sizes[i]);
            round.choices.push_back({rects[i], content, r.sizes[i] == smallest});
        }
        g.rounds.push_back(std::move(round));
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
    const QRectF box(236, 14, 544, 118);
    s.fill(roundedRect(box.translated(3, 6), 40), Rgba{0, 40, 50, 45});
    s.fillAndStroke(roundedRect(box, 40), Rgba::hex(0xE3F2FD), 5, Rgba::hex(0x64B5F6));
    encouragingFace(s, QPointF(box.left() + 74, box.center().y()), 44);
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

void writeGame(const Game &game, const QString &path)
{
    swf::Movie movie(kStage, kFrameRate, game.background);
    enum Depth : std::uint16_t { Backdrop = 1, Footer, Banner, Scene, Party, Choices = 10, Next = 30, Bubble = 40 };
    const int rounds = int(game.rounds.size());
    const auto question = [](int r) { return r * kFramesPerRound; };

    const auto backdropId = movie.defineShape(backdrop(game.background));
    std::vector<std::uint16_t> footers;
    for (int done = 0; done <= rounds; ++done)
        footers.push_back(movie.defineShape(footer(game.name, rounds, done)));
    const auto bubble = movie.defineShape(tryAgainBubble());
    const auto party = celebration(movie);
    const auto goodId = movie.defineShape(praise(u"真棒！答对了！"_s, 68));
    const auto allGoodId = movie.defineShape(praise(u"太棒了！全都答对了！"_s, 64));

    for (int r = 0; r < rounds; ++r) {
        const Round &round = game.rounds[std::size_t(r)];
        const bool last = r + 1 == rounds;
        const auto bannerId = movie.defineShape(banner(round.prompt));
        const auto sceneId = round.scene.isEmpty() ? std::uint16_t(0) : movie.defineShape(round.scene);
        std::vector<std::uint16_t> buttons;
        for (const Choice &choice : round.choices) {
            swf::Actions click;
            if (choice.right)
                click.gotoFrame(question(r) + 1);
            else
                click.gotoAndPlay(question(r) + 2);
            buttons.push_back(choiceButton(movie, choice, click));
        }
        const auto next = last ? pillButton(movie, u"再玩一次"_s, colour::orange, swf::Actions().gotoFrame(question(0)))
                               : pillButton(movie, u"下一题"_s, colour::green, swf::Actions().gotoFrame(question(r + 1)));

        swf::Scene ask;
        ask[Backdrop] = {backdropId, {}, {}};
        ask[Footer] = {footers[std::size_t(r)], {}, {}};
        ask[Banner] = {bannerId, {}, {}};
        if (sceneId != 0)
            ask[Scene] = {sceneId, {}, {}};
        for (std::size_t i = 0; i < buttons.size(); ++i)
            ask[std::uint16_t(Choices + i)] = {buttons[i], {}, {}};
        movie.showFrame(ask, swf::Actions().stop());

        swf::Scene right;
        right[Backdrop] = {backdropId, {}, {}};
        right[Footer] = {footers[std::size_t(r + 1)], {}, {}};
        right[Banner] = {last ? allGoodId : goodId, {}, {}};
        right[Party] = {party, {}, {}};
        right[Next] = {next, {}, {}};
        movie.showFrame(right, swf::Actions().stop());

        const QPointF bubbleCentre(508, 73);
        for (int f = 0; f < kWrongFrames; ++f) {
            swf::Scene wrong = ask;
            wrong.erase(Banner);
            const double pop = std::min(1.0, 0.6 + 0.14 * f);
            wrong[Bubble] = {bubble, rotatedAbout(bubbleCentre, 3.0 * std::sin(f * 1.1), pop), {}};
            swf::Actions actions;
            if (f + 1 == kWrongFrames)
                actions.gotoFrame(question(r));
            movie.showFrame(wrong, actions);
        }
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
    writeGame(games[number - 1](), path);
}

} // namespace abacolo::movies
