// The movie writer and the movies it made: each file is read back by a small reader of its own
// (header, tag list, shapes, buttons, placements, actions), independent of the writer, and the
// games' buttons are followed to see that every round can be played through and played again.

#include "tools/swf/actions.h"
#include "tools/swf/bitwriter.h"
#include "tools/swf/button.h"
#include "tools/swf/movie.h"
#include "tools/swf/shape.h"
#include "tools/swf/text.h"
#include "tools/swf/timeline.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <map>
#include <optional>
#include <set>

using namespace Qt::StringLiterals;
using namespace abacolo::swf;

namespace {

// --- a reader of the file format ---------------------------------------------------------

struct ReadError
{
    QString what;
};

class Reader
{
public:
    explicit Reader(QByteArray data) : m_data(std::move(data)) {}

    std::uint32_t ub(int bits)
    {
        std::uint32_t v = 0;
        for (int i = 0; i < bits; ++i) {
            if (m_bit == 0) {
                need(1);
                m_byte = std::uint8_t(m_data[m_pos++]);
                m_bit = 8;
            }
            --m_bit;
            v = (v << 1) | ((m_byte >> m_bit) & 1u);
        }
        return v;
    }
    std::int32_t sb(int bits)
    {
        if (bits == 0)
            return 0;
        const std::uint32_t v = ub(bits);
        return (bits < 32 && (v >> (bits - 1)) & 1u) ? std::int32_t(v | (~0u << bits)) : std::int32_t(v);
    }
    double fb(int bits) { return sb(bits) / 65536.0; }
    // Drops the rest of a partly read byte; those bits must be zero padding.
    void align()
    {
        if (m_bit > 0 && (m_byte & ((1u << m_bit) - 1u)) != 0)
            throw ReadError{u"non-zero padding bits"_s};
        m_bit = 0;
    }
    std::uint8_t u8()
    {
        align();
        need(1);
        return std::uint8_t(m_data[m_pos++]);
    }
    std::uint16_t u16()
    {
        const std::uint16_t lo = u8();
        return std::uint16_t(lo | (u8() << 8));
    }
    std::uint32_t u32()
    {
        const std::uint32_t lo = u16();
        return lo | (std::uint32_t(u16()) << 16);
    }
    QByteArray bytes(qsizetype n)
    {
        align();
        need(n);
        const QByteArray b = m_data.mid(m_pos, n);
        m_pos += n;
        return b;
    }
    QByteArray string()
    {
        align();
        const qsizetype end = m_data.indexOf('\0', m_pos);
        if (end < 0)
            throw ReadError{u"unterminated string"_s};
        const QByteArray s = m_data.mid(m_pos, end - m_pos);
        m_pos = end + 1;
        return s;
    }
    QTransform matrix()
    {
        align();
        double sx = 1, sy = 1, r0 = 0, r1 = 0;
        if (ub(1)) {
            const int n = int(ub(5));
            sx = fb(n);
            sy = fb(n);
        }
        if (ub(1)) {
            const int n = int(ub(5));
            r0 = fb(n);
            r1 = fb(n);
        }
        const int n = int(ub(5));
        const double tx = sb(n) / 20.0;
        const double ty = sb(n) / 20.0;
        align();
        return QTransform(sx, r0, r1, sy, tx, ty);
    }
    ColorTransform colorTransformWithAlpha()
    {
        align();
        const bool add = ub(1), mult = ub(1);
        const int n = int(ub(4));
        ColorTransform c;
        if (mult) {
            c.redMult = sb(n), c.greenMult = sb(n), c.blueMult = sb(n), c.alphaMult = sb(n);
        }
        if (add) {
            c.redAdd = sb(n), c.greenAdd = sb(n), c.blueAdd = sb(n), c.alphaAdd = sb(n);
        }
        align();
        return c;
    }
    bool atEnd() const { return m_pos == m_data.size(); }
    qsizetype pos() const { return m_pos; }

private:
    void need(qsizetype n) const
    {
        if (m_pos + n > m_data.size())
            throw ReadError{u"read past the end of a record"_s};
    }

    QByteArray m_data;
    qsizetype m_pos = 0;
    std::uint8_t m_byte = 0;
    int m_bit = 0;
};

struct Tag
{
    int code;
    QByteArray body;
};

QList<Tag> readTags(Reader &r)
{
    QList<Tag> tags;
    for (;;) {
        const std::uint16_t header = r.u16();
        std::uint32_t length = header & 0x3F;
        if (length == 0x3F)
            length = r.u32();
        tags.push_back({header >> 6, r.bytes(qsizetype(length))});
        if (tags.back().code == 0)
            break;
    }
    if (!r.atEnd())
        throw ReadError{u"bytes after the End tag"_s};
    return tags;
}

struct Action
{
    int code;
    int frame = -1; // GotoFrame's target
};

QList<Action> readActions(Reader &r)
{
    QList<Action> actions;
    for (;;) {
        const int code = r.u8();
        if (code == 0)
            return actions;
        if (code < 0x80) {
            if (code != 0x04 && code != 0x05 && code != 0x06 && code != 0x07)
                throw ReadError{u"unexpected action 0x%1"_s.arg(code, 0, 16)};
            actions.push_back({code});
            continue;
        }
        const int length = r.u16();
        if (code != 0x81 || length != 2)
            throw ReadError{u"unexpected action 0x%1 of length %2"_s.arg(code, 0, 16).arg(length)};
        actions.push_back({code, r.u16()});
    }
}

// What a shape tag holds, read and checked record by record.
struct ShapeInfo
{
    QRectF bounds;          // pixels
    QPainterPath filled;    // the outlines of filled contours, even-odd
    int contours = 0;
    int curves = 0;
};

ShapeInfo readShape(int code, const QByteArray &body)
{
    Reader r(body);
    ShapeInfo info;
    r.u16(); // id
    const int n = int(r.ub(5));
    const int xMin = r.sb(n), xMax = r.sb(n), yMin = r.sb(n), yMax = r.sb(n);
    info.bounds = QRectF(xMin / 20.0, yMin / 20.0, (xMax - xMin) / 20.0, (yMax - yMin) / 20.0);
    const bool alpha = code == 32;
    int fills = 0, lines = 0, fillBits = 0, lineBits = 0;
    const auto readStyles = [&] {
        fills = r.u8();
        if (fills == 0xFF && code != 2)
            fills = r.u16();
        for (int i = 0; i < fills; ++i) {
            if (r.u8() != 0x00)
                throw ReadError{u"fill style is not solid"_s};
            r.bytes(alpha ? 4 : 3);
        }
        lines = r.u8();
        if (lines == 0xFF && code != 2)
            lines = r.u16();
        for (int i = 0; i < lines; ++i) {
            r.u16();
            r.bytes(alpha ? 4 : 3);
        }
        fillBits = int(r.ub(4));
        lineBits = int(r.ub(4));
    };
    readStyles();

    QPoint at, start;
    int fill0 = 0, fill1 = 0;
    bool contourOpen = false;
    const auto inside = [&](QPoint p) {
        if (p.x() < xMin || p.x() > xMax || p.y() < yMin || p.y() > yMax)
            throw ReadError{u"point (%1, %2) outside the shape's bounds"_s.arg(p.x()).arg(p.y())};
    };
    const auto endContour = [&] {
        if (contourOpen && (fill0 || fill1) && at != start)
            throw ReadError{u"a filled contour is not closed"_s};
        contourOpen = false;
    };
    for (;;) {
        if (r.ub(1) == 0) {
            const int flags = int(r.ub(5));
            if (flags == 0) {
                endContour();
                break;
            }
            if (flags & 0x01) {
                endContour();
                const int bits = int(r.ub(5));
                const int x = r.sb(bits), y = r.sb(bits);
                at = start = QPoint(x, y);
                inside(at);
            }
            if (flags & 0x02 && (fill0 = int(r.ub(fillBits))) > fills)
                throw ReadError{u"fill style index out of range"_s};
            if (flags & 0x04 && (fill1 = int(r.ub(fillBits))) > fills)
                throw ReadError{u"fill style index out of range"_s};
            if (flags & 0x08 && int(r.ub(lineBits)) > lines)
                throw ReadError{u"line style index out of range"_s};
            if (flags & 0x10) {
                if (code == 2)
                    throw ReadError{u"new styles in the first shape tag"_s};
                endContour();
                r.align();
                readStyles();
                fill0 = fill1 = 0;
            }
            if ((fill0 || fill1) && (flags & 0x01))
                info.filled.moveTo(QPointF(at) / 20.0);
            continue;
        }
        if (!contourOpen) {
            contourOpen = true;
            ++info.contours;
        }
        const bool straight = r.ub(1);
        const int bits = int(r.ub(4)) + 2;
        if (straight) {
            int dx = 0, dy = 0;
            if (r.ub(1)) {
                dx = r.sb(bits);
                dy = r.sb(bits);
            } else if (r.ub(1)) {
                dy = r.sb(bits);
            } else {
                dx = r.sb(bits);
            }
            at += QPoint(dx, dy);
            if (fill0 || fill1)
                info.filled.lineTo(QPointF(at) / 20.0);
        } else {
            const int cx = r.sb(bits);
            const int cy = r.sb(bits);
            const QPoint control = at + QPoint(cx, cy);
            inside(control);
            const int ax = r.sb(bits);
            const int ay = r.sb(bits);
            at = control + QPoint(ax, ay);
            if (fill0 || fill1)
                info.filled.quadTo(QPointF(control) / 20.0, QPointF(at) / 20.0);
            ++info.curves;
        }
        inside(at);
    }
    r.align();
    if (!r.atEnd())
        throw ReadError{u"bytes after the end of the shape"_s};
    info.filled.setFillRule(Qt::OddEvenFill);
    return info;
}

// A movie read back: header, frames (display list and actions of each), buttons.
struct MovieInfo
{
    QByteArray signature;
    int version = 0;
    QRect stageTwips;
    double frameRate = 0;
    int headerFrames = 0;
    int showFrames = 0;
    QList<int> tagCodes;
    std::map<int, QList<Action>> buttons;    // button id → click actions
    std::map<int, int> sprites;              // sprite id → frames
    std::map<int, ShapeInfo> shapes;
    QList<std::map<int, int>> display;       // per frame: depth → character
    QList<QList<Action>> frameActions;       // per frame
    QList<std::pair<int, QTransform>> moves; // every placement with a matrix: depth, matrix
    QList<ColorTransform> colours;
};

void readControlTags(const QList<Tag> &tags, MovieInfo &m, std::set<int> &defined, bool main, int *frames)
{
    std::map<int, int> shown;
    QList<Action> actions;
    *frames = 0;
    for (const Tag &t : tags) {
        Reader r(t.body);
        switch (t.code) {
        case 0:
        case 43: // frame label
        case 9:
        case 69:
            break;
        case 1:
            ++*frames;
            if (main) {
                m.display.push_back(shown);
                m.frameActions.push_back(actions);
            }
            actions.clear();
            break;
        case 2:
        case 22:
        case 32: {
            const int id = r.u16();
            if (!defined.insert(id).second)
                throw ReadError{u"character %1 defined twice"_s.arg(id)};
            m.shapes[id] = readShape(t.code, t.body);
            break;
        }
        case 12:
            actions += readActions(r);
            if (!r.atEnd())
                throw ReadError{u"bytes after a frame's actions"_s};
            break;
        case 26: {
            const int flags = r.u8();
            const int depth = r.u16();
            if (flags & 0x80)
                throw ReadError{u"clip actions are not expected"_s};
            if (flags & 0x02) {
                const int id = r.u16();
                if (!defined.count(id))
                    throw ReadError{u"placing character %1 before its definition"_s.arg(id)};
                if (!(flags & 0x01) && shown.count(depth))
                    throw ReadError{u"placing onto occupied depth %1"_s.arg(depth)};
                shown[depth] = id;
            } else if (!shown.count(depth)) {
                throw ReadError{u"moving empty depth %1"_s.arg(depth)};
            }
            if (flags & 0x04)
                m.moves.push_back({depth, r.matrix()});
            if (flags & 0x08)
                m.colours.push_back(r.colorTransformWithAlpha());
            if (flags & 0x10)
                r.u16();
            if (flags & 0x20)
                r.string();
            if (flags & 0x40)
                r.u16();
            if (!r.atEnd())
                throw ReadError{u"bytes after a placement"_s};
            break;
        }
        case 28: {
            const int depth = r.u16();
            if (!shown.erase(depth))
                throw ReadError{u"removing empty depth %1"_s.arg(depth)};
            break;
        }
        case 34: {
            const int id = r.u16();
            r.u8();
            const int offset = r.u16();
            const qsizetype offsetAt = r.pos() - 2;
            bool any = false;
            for (int flags = r.u8(); flags != 0; flags = r.u8()) {
                if ((flags & 0x0F) == 0 || (flags & 0xF0) != 0)
                    throw ReadError{u"bad button record flags"_s};
                const int character = r.u16();
                if (!defined.count(character))
                    throw ReadError{u"button %1 shows undefined character %2"_s.arg(id).arg(character)};
                r.u16();
                r.matrix();
                r.colorTransformWithAlpha();
                any = true;
            }
            if (!any)
                throw ReadError{u"button %1 shows nothing"_s.arg(id)};
            QList<Action> click;
            if (offset != 0) {
                if (r.pos() != offsetAt + offset)
                    throw ReadError{u"button %1: wrong action offset"_s.arg(id)};
                for (;;) {
                    const int size = r.u16();
                    const int condition = r.u16();
                    const QList<Action> list = readActions(r);
                    if (condition & 0x0008)
                        click += list;
                    if (size == 0)
                        break;
                }
            }
            if (!r.atEnd())
                throw ReadError{u"bytes after button %1"_s.arg(id)};
            defined.insert(id);
            m.buttons[id] = click;
            break;
        }
        case 39: {
            const int id = r.u16();
            const int headerFrames = r.u16();
            Reader inner(r.bytes(t.body.size() - 4));
            int spriteFrames = 0;
            readControlTags(readTags(inner), m, defined, false, &spriteFrames);
            if (spriteFrames != headerFrames)
                throw ReadError{u"sprite %1 declares %2 frames and shows %3"_s.arg(id).arg(headerFrames).arg(spriteFrames)};
            defined.insert(id);
            m.sprites[id] = spriteFrames;
            break;
        }
        default:
            throw ReadError{u"unexpected tag %1"_s.arg(t.code)};
        }
    }
    if (tags.isEmpty() || tags.back().code != 0)
        throw ReadError{u"the tag list does not end with End"_s};
}

MovieInfo readMovie(const QByteArray &file)
{
    if (file.size() < 8)
        throw ReadError{u"too short for a header"_s};
    MovieInfo m;
    m.signature = file.left(3);
    m.version = std::uint8_t(file[3]);
    Reader head(file.mid(4, 4));
    const std::uint32_t length = head.u32();
    QByteArray body;
    if (m.signature == "FWS") {
        body = file.mid(8);
    } else if (m.signature == "CWS") {
        QByteArray prefixed;
        const std::uint32_t n = length - 8;
        prefixed.append(char(n >> 24)).append(char(n >> 16)).append(char(n >> 8)).append(char(n));
        body = qUncompress(prefixed + file.mid(8));
    } else {
        throw ReadError{u"unknown signature"_s};
    }
    if (qint64(body.size()) + 8 != qint64(length))
        throw ReadError{u"header length %1 but the file holds %2"_s.arg(length).arg(body.size() + 8)};
    Reader r(body);
    const int n = int(r.ub(5));
    const int xMin = r.sb(n), xMax = r.sb(n), yMin = r.sb(n), yMax = r.sb(n);
    m.stageTwips = QRect(xMin, yMin, xMax - xMin, yMax - yMin);
    m.frameRate = r.u16() / 256.0;
    m.headerFrames = r.u16();
    const QList<Tag> tags = readTags(r);
    for (const Tag &t : tags)
        m.tagCodes.push_back(t.code);
    std::set<int> defined;
    readControlTags(tags, m, defined, true, &m.showFrames);
    return m;
}

MovieInfo readMovieFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw ReadError{u"cannot open "_s + path};
    return readMovie(f.readAll());
}

// --- following the buttons of a game -----------------------------------------------------

// Runs the timeline from a frame as a player would: stop, goto, or on to the next frame.
// Returns the frame where it comes to rest, or nothing when it runs past the last frame.
std::optional<int> settle(const MovieInfo &m, int frame, bool playing)
{
    for (int steps = 0; steps < 10 * int(m.display.size()); ++steps) {
        // Arriving at a frame runs its actions.
        std::optional<int> jump;
        for (const Action &a : m.frameActions[frame]) {
            if (a.code == 0x07) {
                playing = false;
            } else if (a.code == 0x06) {
                playing = true;
            } else if (a.code == 0x81) {
                jump = a.frame;
                playing = false;
            }
        }
        if (jump) {
            frame = *jump;
            continue;
        }
        if (!playing)
            return frame;
        if (++frame >= int(m.display.size()))
            return std::nullopt;
    }
    return std::nullopt;
}

// The frames a click on each button shown in a resting frame leads to.
QList<std::optional<int>> clicksFrom(const MovieInfo &m, int frame)
{
    QList<std::optional<int>> result;
    for (const auto &[depth, character] : m.display[frame]) {
        const auto button = m.buttons.find(character);
        if (button == m.buttons.end())
            continue;
        int target = frame;
        bool playing = false;
        for (const Action &a : button->second) {
            if (a.code == 0x81)
                target = a.frame;
            else if (a.code == 0x06)
                playing = true;
        }
        result.push_back(target < int(m.display.size()) ? settle(m, target, playing) : std::nullopt);
    }
    return result;
}

QImage render(const QPainterPath &path, const QRectF &area)
{
    QImage image(area.size().toSize() + QSize(2, 2), QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-area.topLeft() + QPointF(1, 1));
    p.fillPath(path, Qt::black);
    return image;
}

} // namespace

class TestSwfWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenMoviesReadBack_data();
    void writtenMoviesReadBack();
    void placementsKeepMatrixAndColour_data();
    void placementsKeepMatrixAndColour();
    void cubicsBecomeCloseQuadratics_data();
    void cubicsBecomeCloseQuadratics();
    void glyphShapesHaveValidEdgesAndTheGlyphsOutline();
    void badInputIsRefused();
    void generatedMovies_data();
    void generatedMovies();
};

void TestSwfWriter::writtenMoviesReadBack_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("compressed");
    QTest::addColumn<QSize>("stage");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("frames");
    QTest::newRow("plain v6, one frame") << 6 << false << QSize(550, 400) << 12.0 << 1;
    QTest::newRow("zlib v8, lesson size") << 8 << true << QSize(1016, 704) << 12.0 << 40;
    QTest::newRow("zlib v10, odd rate, long tags") << 10 << true << QSize(804, 602) << 24.5 << 300;
}

void TestSwfWriter::writtenMoviesReadBack()
{
    QFETCH(int, version);
    QFETCH(bool, compressed);
    QFETCH(QSize, stage);
    QFETCH(double, rate);
    QFETCH(int, frames);

    Movie movie(stage, rate, Rgba::hex(0x006370), version);
    QPainterPath box;
    box.addRect(10, 10, 100, 60);
    const auto plain = movie.defineShape(Shape().fill(box, Rgba::hex(0xFF0000)));         // first tag
    const auto layered = movie.defineShape(Shape().fill(box, Rgba::hex(0x00FF00)).stroke(box, 4, Rgba::hex(0x0000FF)));
    const auto clear = movie.defineShape(Shape().fill(box, Rgba{0, 0, 0, 100}));          // third tag
    Sprite sprite;
    for (int f = 0; f < 5; ++f)
        sprite.frame({{1, {plain, QTransform::fromTranslate(f, 0), {}}}});
    const auto spriteId = movie.defineSprite(sprite);
    Button button;
    button.show(layered, Up | Over, 1).show(clear, HitTest, 2).onClick(Actions().gotoAndPlay(frames - 1));
    const auto buttonId = movie.defineButton(button);
    for (int f = 0; f < frames; ++f) {
        Scene scene{{1, {spriteId, {}, {}}}, {2, {buttonId, {}, {}}}};
        if (f % 2)
            scene[3] = {clear, QTransform::fromTranslate(f, 2 * f), ColorTransform::opacity(0.5)};
        movie.showFrame(scene, f == 0 ? Actions().stop() : Actions(), f == 0 ? u"start"_s : QString());
    }
    QCOMPARE(movie.frameCount(), frames);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"m.swf"_s);
    movie.save(path, compressed ? Compression::Zlib : Compression::None);
    try {
        const MovieInfo m = readMovieFile(path);
        QCOMPARE(m.signature, compressed ? QByteArray("CWS") : QByteArray("FWS"));
        QCOMPARE(m.version, version);
        QCOMPARE(m.stageTwips, QRect(0, 0, stage.width() * 20, stage.height() * 20));
        QCOMPARE(m.frameRate, rate);
        QCOMPARE(m.headerFrames, frames);
        QCOMPARE(m.showFrames, frames);
        QCOMPARE(m.tagCodes.first(), version >= 8 ? 69 : 9); // file attributes lead from version 8
        QVERIFY(m.tagCodes.contains(2) && m.tagCodes.contains(22) && m.tagCodes.contains(32));
        QCOMPARE(m.sprites.at(spriteId), 5);
        QCOMPARE(m.buttons.at(buttonId).size(), 2);
        QCOMPARE(m.buttons.at(buttonId).first().frame, frames - 1);
        QCOMPARE(m.display.last().count(3), std::size_t(frames % 2 == 0));
    } catch (const ReadError &e) {
        QFAIL(qPrintable(e.what));
    }
}

void TestSwfWriter::placementsKeepMatrixAndColour_data()
{
    QTest::addColumn<QTransform>("matrix");
    QTest::addColumn<double>("opacity");
    QTest::newRow("translation only, negative") << QTransform::fromTranslate(-12.35, 700.05) << 1.0;
    QTest::newRow("scale and fade") << QTransform::fromScale(1.5, 0.25).translate(3, 4) << 0.3;
    QTest::newRow("rotation") << QTransform().translate(508, 352).rotate(-130) << 0.0;
    QTest::newRow("mirror and shrink") << QTransform::fromScale(-1, 0.001) << 0.75;
}

void TestSwfWriter::placementsKeepMatrixAndColour()
{
    QFETCH(QTransform, matrix);
    QFETCH(double, opacity);
    Movie movie(QSize(100, 100), 12, Rgba::hex(0xFFFFFF));
    QPainterPath dot;
    dot.addEllipse(QPointF(0, 0), 5, 5);
    const auto id = movie.defineShape(Shape().fill(dot, Rgba::hex(0x123456)));
    movie.showFrame({{7, {id, {}, {}}}});
    movie.showFrame({{7, {id, matrix, ColorTransform::opacity(opacity)}}}); // a move of the same character
    MovieInfo m;
    try {
        m = readMovie(movie.bytes());
    } catch (const ReadError &e) {
        QFAIL(qPrintable(e.what));
    }
    QCOMPARE(m.moves.size(), 1);
    const QTransform read = m.moves.first().second;
    const double fixedStep = 1.0 / 65536;
    QVERIFY(std::abs(read.m11() - matrix.m11()) <= fixedStep);
    QVERIFY(std::abs(read.m12() - matrix.m12()) <= fixedStep);
    QVERIFY(std::abs(read.m21() - matrix.m21()) <= fixedStep);
    QVERIFY(std::abs(read.m22() - matrix.m22()) <= fixedStep);
    QVERIFY(std::abs(read.dx() - matrix.dx()) <= 0.025);
    QVERIFY(std::abs(read.dy() - matrix.dy()) <= 0.025);
    QCOMPARE(m.colours.size(), opacity == 1.0 ? 0 : 1);
    if (!m.colours.isEmpty())
        QCOMPARE(m.colours.first().alphaMult, int(opacity * 256 + 0.5));
}

void TestSwfWriter::cubicsBecomeCloseQuadratics_data()
{
    QTest::addColumn<QPointF>("p0");
    QTest::addColumn<QPointF>("c1");
    QTest::addColumn<QPointF>("c2");
    QTest::addColumn<QPointF>("p3");
    QTest::addColumn<int>("maxPieces"); // 0: no limit
    const double k = 0.5523 * 2000;
    QTest::newRow("quarter circle") << QPointF(2000, 0) << QPointF(2000, k) << QPointF(k, 2000) << QPointF(0, 2000) << 0;
    QTest::newRow("s-curve") << QPointF(0, 0) << QPointF(3000, 0) << QPointF(-1000, 2000) << QPointF(2000, 2000) << 0;
    QTest::newRow("loop") << QPointF(0, 0) << QPointF(4000, 3000) << QPointF(-2000, 3000) << QPointF(2000, 0) << 0;
    // A quadratic raised to a cubic (as fonts' quadratic outlines arrive) stays one piece.
    QTest::newRow("raised quadratic") << QPointF(0, 0) << QPointF(400, 800) << QPointF(800, 800) << QPointF(1200, 0) << 1;
    QTest::newRow("a point") << QPointF(5, 5) << QPointF(5, 5) << QPointF(5, 5) << QPointF(5, 5) << 1;
}

void TestSwfWriter::cubicsBecomeCloseQuadratics()
{
    QFETCH(QPointF, p0);
    QFETCH(QPointF, c1);
    QFETCH(QPointF, c2);
    QFETCH(QPointF, p3);
    QFETCH(int, maxPieces);
    const double tolerance = 2.0;
    std::vector<std::pair<QPointF, QPointF>> quads;
    appendCubicAsQuadratics(p0, c1, c2, p3, tolerance, quads);
    QVERIFY(!quads.empty());
    if (maxPieces > 0)
        QVERIFY(int(quads.size()) <= maxPieces);
    QCOMPARE(quads.back().second, p3);

    // Every point of the cubic lies near the chain of quadratics and the other way round.
    QPolygonF cubicPoints, quadPoints;
    for (int i = 0; i <= 400; ++i) {
        const double t = i / 400.0, u = 1 - t;
        cubicPoints << u * u * u * p0 + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * p3;
    }
    QPointF from = p0;
    for (const auto &[control, to] : quads) {
        for (int i = 0; i <= 100; ++i) {
            const double t = i / 100.0, u = 1 - t;
            quadPoints << u * u * from + 2 * u * t * control + t * t * to;
        }
        from = to;
    }
    // The greatest distance from a point of one line to the other line.
    const auto farthest = [](const QPolygonF &a, const QPolygonF &b) {
        double worst = 0;
        for (const QPointF &p : a) {
            double best = 1e300;
            for (qsizetype i = 1; i < b.size(); ++i) {
                const QPointF d = b[i] - b[i - 1];
                const double len2 = QPointF::dotProduct(d, d);
                const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - b[i - 1], d) / len2, 0.0, 1.0) : 0.0;
                best = std::min(best, QLineF(p, b[i - 1] + d * t).length());
            }
            worst = std::max(worst, best);
        }
        return worst;
    };
    QVERIFY2(farthest(cubicPoints, quadPoints) <= tolerance + 1.0, "the quadratics stray from the cubic");
    QVERIFY2(farthest(quadPoints, cubicPoints) <= tolerance + 1.0, "the quadratics stray from the cubic");
}

void TestSwfWriter::glyphShapesHaveValidEdgesAndTheGlyphsOutline()
{
    const QString words = u"真棒！再试试 0123456789 Abacolo"_s;
    const QPainterPath glyphs = textPathCentredAt(words, movieFont(60), QPointF(520, 300));
    QPainterPath open;
    open.moveTo(10, 10);
    open.cubicTo(200, -50, 300, 400, 1000, 20);
    QPainterPath unclosed; // a filled outline the writer has to close
    unclosed.moveTo(50, 500);
    unclosed.lineTo(150, 420);
    unclosed.quadTo(200, 520, 120, 560);
    Shape shape;
    shape.fillAndStroke(glyphs, Rgba::hex(0xFFFFFF), 8, Rgba::hex(0x00434C)).fill(glyphs, Rgba{255, 112, 67, 200});
    shape.stroke(open, 30, Rgba::hex(0)).fill(unclosed, Rgba::hex(0x00FF00));
    try {
        const ShapeInfo info = readShape(32, shape.encode(1, ShapeTag::DefineShape3));
        QVERIFY(info.curves > 100);
        QVERIFY(info.contours > 2 * words.size()); // two filled layers of glyphs and the open line
        QVERIFY(info.bounds.contains(glyphs.boundingRect().adjusted(-3.9, -3.9, 3.9, 3.9)));
        QVERIFY(info.bounds.contains(QPointF(10, 10)) && info.bounds.contains(QPointF(50, 560)));

        // The filled edges of one glyph layer, read back and filled even-odd as a player does,
        // cover what the font's own outline covers.
        const QPainterPath layer = readShape(32, Shape().fill(glyphs, Rgba::hex(0)).encode(1, ShapeTag::DefineShape3)).filled;
        const QRectF area = glyphs.boundingRect();
        const QImage expected = render(glyphs, area);
        const QImage got = render(layer, area);
        int differing = 0, inked = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x) {
                const int a = qGray(expected.pixel(x, y)), b = qGray(got.pixel(x, y));
                inked += a < 128;
                differing += std::abs(a - b) > 64;
            }
        QVERIFY(inked > 5000);
        QVERIFY2(differing < inked / 200, qPrintable(u"%1 of %2 pixels differ"_s.arg(differing).arg(inked)));
    } catch (const ReadError &e) {
        QFAIL(qPrintable(e.what));
    }
}

void TestSwfWriter::badInputIsRefused()
{
    QPainterPath box;
    box.addRect(0, 0, 10, 10);
    const Shape twoLayers = Shape().fill(box, Rgba::hex(0)).fill(box, Rgba::hex(0xFFFFFF));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, twoLayers.encode(1, ShapeTag::DefineShape));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Shape().fill(box, Rgba{0, 0, 0, 9}).encode(1, ShapeTag::DefineShape2));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Shape().encode(1, ShapeTag::Auto));
    QVERIFY_THROWS_EXCEPTION(std::range_error, Actions().gotoFrame(-1));
    QVERIFY_THROWS_EXCEPTION(WriteError, Movie(QSize(0, 10), 12, Rgba()));
    QVERIFY_THROWS_EXCEPTION(WriteError, Movie(QSize(10, 10), 12.001, Rgba()));
    QVERIFY_THROWS_EXCEPTION(WriteError, Movie(QSize(10, 10), 12, Rgba(), 11));
    Movie movie(QSize(10, 10), 12, Rgba());
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, movie.showFrame({{1, {0, {}, {}}}}));

    // A failed save leaves an existing file as it was.
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kept.swf"_s);
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    QVERIFY_THROWS_EXCEPTION(WriteError, movie.save(dir.filePath(u"missing/folder/m.swf"_s)));
    movie.showFrame({});
    movie.save(path);
    QVERIFY(QFile(path).size() > 20);
}

void TestSwfWriter::generatedMovies_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("game");
    QTest::newRow("start") << u"start.swf"_s << false;
    for (int digit = 0; digit <= 2; ++digit)
        QTest::addRow("lesson %d", digit) << QString::number(digit) + u"x.swf"_s << false;
    for (int game = 1; game <= 10; ++game)
        QTest::addRow("game %d", game) << u"fgames/"_s + QString::number(game) + u".swf"_s << true;
}

void TestSwfWriter::generatedMovies()
{
    QFETCH(QString, file);
    QFETCH(bool, game);
    const QString source = qEnvironmentVariable("ABACOLO_SOURCE_DIR");
    QVERIFY2(!source.isEmpty(), "ABACOLO_SOURCE_DIR names the source tree");
    const QString path = QDir(source).filePath(u"data/numbers/"_s + file);
    try {
        const MovieInfo m = readMovieFile(path);
        QCOMPARE(m.stageTwips, QRect(0, 0, 1016 * 20, 704 * 20));
        QCOMPARE(m.showFrames, m.headerFrames);
        QVERIFY(m.frameRate >= 12);
        for (const auto &[id, shape] : m.shapes)
            QVERIFY(shape.contours > 0);
        for (const QList<Action> &actions : m.frameActions)
            for (const Action &a : actions)
                QVERIFY(a.code != 0x81 || a.frame < m.showFrames);

        if (!game) {
            // Lessons and the title scene loop on their own: nothing stops them, nothing waits.
            QVERIFY(m.showFrames > 24);
            QVERIFY(m.buttons.empty());
            for (const QList<Action> &actions : m.frameActions)
                QVERIFY(actions.isEmpty());
            // The last frame shows what the first shows, so the loop has no jump.
            QCOMPARE(m.display.last(), m.display.first());
            return;
        }

        // A game waits for the child on its first frame. From every frame where it comes to
        // rest, each button leads to another resting frame (never off the end), and the
        // child can always get back to the first question.
        QCOMPARE(settle(m, 0, true), std::optional<int>(0));
        std::set<int> resting{0};
        QList<int> queue{0};
        bool backToStart = false;
        while (!queue.isEmpty()) {
            const int frame = queue.takeFirst();
            const auto clicks = clicksFrom(m, frame);
            QVERIFY2(!clicks.isEmpty(), qPrintable(u"frame %1 has no button"_s.arg(frame)));
            for (const auto &target : clicks) {
                QVERIFY2(target.has_value(), qPrintable(u"a button on frame %1 runs off the end"_s.arg(frame)));
                backToStart |= *target == 0 && frame != 0;
                if (resting.insert(*target).second)
                    queue.push_back(*target);
            }
        }
        QVERIFY(backToStart);
        // Three rounds, each a question and a reward, and a wrong answer in each round falls
        // back to its own question.
        QVERIFY(resting.size() >= 6);
        int questionsTakenAgain = 0;
        for (int frame : resting)
            questionsTakenAgain += int(clicksFrom(m, frame).contains(std::optional<int>(frame)));
        QVERIFY(questionsTakenAgain >= 3);
    } catch (const ReadError &e) {
        QFAIL(qPrintable(path + u": "_s + e.what));
    }
}

QTEST_MAIN(TestSwfWriter)
#include "test_swfwriter.moc"
