// The title scene: a smiling sun turning its rays slowly, twinkling stars, number balloons
// bobbing over green hills and the program's name. Every motion repeats within the loop,
// so the scene runs on without a jump.

#include "tools/swf/movie.h"
#include "tools/swf/movies/drawkit.h"
#include "tools/swf/movies/movies.h"

#include <QTransform>
#include <QtMath>

#include <cmath>

using namespace Qt::StringLiterals;

namespace abacolo::movies {

namespace {

constexpr double kFrameRate = 24.0;
constexpr int kLoopFrames = 192; // eight seconds

Shape sky()
{
    Shape s;
    // Bands from the deep teal of the players' background to a lighter teal near the hills.
    const Rgba top = Rgba::hex(0x00505B), bottom = Rgba::hex(0x12838D);
    const int bands = 10;
    for (int i = 0; i < bands; ++i) {
        const double t = double(i) / (bands - 1);
        const Rgba c{std::uint8_t(top.r + (bottom.r - top.r) * t), std::uint8_t(top.g + (bottom.g - top.g) * t),
                     std::uint8_t(top.b + (bottom.b - top.b) * t), 255};
        const double y0 = i == 0 ? -10 : 560.0 * i / bands;
        s.fill(roundedRect(QRectF(-10, y0, kStage.width() + 20, 720 - y0 + 10), 0), c);
    }
    QPainterPath farHill;
    farHill.moveTo(-10, 560);
    farHill.cubicTo(200, 470, 380, 480, 560, 550);
    farHill.cubicTo(720, 470, 900, 470, 1030, 540);
    farHill.lineTo(1030, 720);
    farHill.lineTo(-10, 720);
    farHill.closeSubpath();
    s.fill(farHill, Rgba::hex(0x2E8B63));
    QPainterPath nearHill;
    nearHill.moveTo(-10, 620);
    nearHill.cubicTo(260, 560, 620, 580, 1030, 610);
    nearHill.lineTo(1030, 720);
    nearHill.lineTo(-10, 720);
    nearHill.closeSubpath();
    s.fill(nearHill, Rgba::hex(0x43A06F));
    for (const auto &[x, y, c] : {std::tuple{90.0, 628.0, colour::pink}, {180.0, 650.0, colour::yellow}, {840.0, 640.0, colour::white},
                                 {930.0, 620.0, colour::pink}, {470.0, 660.0, colour::yellow}})
        flower(s, QPointF(x, y), 30, c);
    return s;
}

Shape title()
{
    Shape s;
    stickerText(s, u"Abacolo"_s, 120, QPointF(508, 250), Rgba::hex(0xFFE082), Rgba::hex(0x00434C), 16);
    stickerText(s, u"快乐学数字"_s, 58, QPointF(508, 368), colour::white, Rgba::hex(0x00434C), 10);
    return s;
}

Shape numberBalloon(int n, Rgba c)
{
    Shape s;
    balloon(s, QPointF(0, 0), 150, c);
    stickerText(s, QString::number(n), 56, QPointF(0, -22), colour::white, darker(c, 0.35), 7);
    return s;
}

QTransform at(double x, double y)
{
    return QTransform::fromTranslate(x, y);
}

} // namespace

void writeStartMovie(const QString &path)
{
    swf::Movie movie(kStage, kFrameRate, colour::teal);
    const auto skyCharacter = movie.defineShape(sky());
    Shape rays;
    sunRays(rays, QPointF(0, 0), 70, 104, 12);
    const auto raysCharacter = movie.defineShape(rays);
    Shape sun;
    sunDisc(sun, QPointF(0, 0), 62);
    const auto sunCharacter = movie.defineShape(sun);
    Shape cloudShape;
    cloud(cloudShape, QPointF(0, 0), 170, Rgba{255, 255, 255, 215});
    const auto cloudCharacter = movie.defineShape(cloudShape);
    Shape twinkle;
    twinkle.fill(star(QPointF(0, 0), 13, 5, 4), Rgba::hex(0xFFF59D));
    const auto starCharacter = movie.defineShape(twinkle);
    const auto titleCharacter = movie.defineShape(title());
    const swf::Rgba balloonColours[] = {colour::red, colour::blue, colour::orange};
    std::uint16_t balloons[3];
    for (int i = 0; i < 3; ++i)
        balloons[i] = movie.defineShape(numberBalloon(i + 1, balloonColours[i]));

    struct Twinkle
    {
        double x, y, scale;
        int phase;
    };
    const Twinkle stars[] = {{300, 60, 1.0, 0},   {420, 120, 0.7, 20}, {560, 52, 1.2, 40},  {690, 110, 0.8, 60},
                             {820, 70, 1.0, 80},  {960, 150, 0.7, 100}, {250, 160, 0.6, 120}, {880, 220, 0.9, 140},
                             {640, 180, 0.6, 160}, {40, 250, 0.8, 30},  {980, 300, 0.6, 70},  {360, 200, 0.8, 110}};
    const QPointF balloonHome[] = {{120, 400}, {890, 380}, {780, 520}};

    enum Depth : std::uint16_t { Sky = 1, Stars = 10, Rays = 40, Sun, Cloud1, Cloud2, Balloons = 50, Title = 60 };
    for (int f = 0; f < kLoopFrames; ++f) {
        const double turn = 2 * M_PI * f / kLoopFrames; // one full cycle per loop
        swf::Scene scene;
        scene[Sky] = {skyCharacter, {}, {}};
        for (int i = 0; i < int(std::size(stars)); ++i) {
            const Twinkle &s = stars[i];
            const double glow = 0.5 + 0.5 * std::sin(2 * turn + 2 * M_PI * s.phase / kLoopFrames);
            QTransform m = at(s.x, s.y);
            m.scale(s.scale * (0.8 + 0.3 * glow), s.scale * (0.8 + 0.3 * glow));
            scene[std::uint16_t(Stars + i)] = {starCharacter, m, swf::ColorTransform::opacity(0.3 + 0.7 * glow)};
        }
        const QPointF sunAt(150, 130 + 6 * std::sin(turn));
        QTransform rayTurn = at(sunAt.x(), sunAt.y());
        rayTurn.rotate(30.0 * f / kLoopFrames); // twelve rays: a twelfth of a turn closes the loop
        scene[Rays] = {raysCharacter, rayTurn, {}};
        scene[Sun] = {sunCharacter, at(sunAt.x(), sunAt.y()), {}};
        scene[Cloud1] = {cloudCharacter, at(330 + 30 * std::sin(turn), 150), {}};
        scene[Cloud2] = {cloudCharacter, at(872 - 24 * std::sin(turn + 1.3), 178), {}};
        for (int i = 0; i < 3; ++i) {
            const QPointF home = balloonHome[i];
            const double phase = turn * (i == 1 ? 2 : 1) + i * 2.1;
            QTransform m = at(home.x() + 8 * std::sin(phase), home.y() + 14 * std::sin(phase + 0.8));
            m.rotate(5 * std::sin(phase));
            scene[std::uint16_t(Balloons + i)] = {balloons[i], m, {}};
        }
        scene[Title] = {titleCharacter, at(0, 6 * std::sin(2 * turn)), {}};
        movie.showFrame(scene);
    }
    movie.save(path);
}

} // namespace abacolo::movies
