// The movie writer and the movies it made: each file is read back by a small reader of its own
// (header, tag list, shapes, buttons, placements, actions), independent of the writer, and the
// games' buttons are followed to see that every round can be played through and played again.

#include "tools/swf/actions.h"
#include "tools/swf/bitwriter.h"
#include "tools/swf/button.h"
#include "tools/swf/movie.h"
#include "tools/swf/shape.h"
#include "tools/swf/sound.h"
#include "tools/swf/text.h"
#include "tools/swf/timeline.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <random>
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
    int frame = -1;     // GotoFrame's target
    QVariant value;     // Push: an int or a string; SetTarget: the clip's name
    int branchTo = -1;  // If and Jump: the index of the action they lead to (size(): the end)
    bool andPlay = false; // GotoFrame2
};

// The actions of a list, with branches resolved to action indices. Only the actions the
// writer is meant to emit are accepted.
QList<Action> readActions(Reader &r)
{
    QList<Action> actions;
    QList<qsizetype> starts;             // byte offset where each action starts
    QList<std::pair<int, qsizetype>> branches; // action index, byte offset it leads to
    const qsizetype origin = r.pos();
    for (;;) {
        starts.push_back(r.pos() - origin);
        const int code = r.u8();
        if (code == 0)
            break;
        if (code < 0x80) {
            static const std::set<int> simple{0x04, 0x05, 0x06, 0x07, 0x0B, 0x0C, 0x12, 0x1C, 0x1D, 0x30, 0x3F, 0x47, 0x48};
            if (!simple.count(code))
                throw ReadError{u"unexpected action 0x%1"_s.arg(code, 0, 16)};
            actions.push_back({code});
            continue;
        }
        const int length = r.u16();
        Reader data(r.bytes(length));
        Action a{code};
        switch (code) {
        case 0x81:
            a.frame = data.u16();
            break;
        case 0x96: {
            const int type = data.u8();
            if (type == 7)
                a.value = int(data.u32());
            else if (type == 0)
                a.value = QString::fromUtf8(data.string());
            else
                throw ReadError{u"unexpected pushed type %1"_s.arg(type)};
            break;
        }
        case 0x8B:
            a.value = QString::fromUtf8(data.string());
            break;
        case 0x9F:
            a.andPlay = data.u8() & 1;
            break;
        case 0x99:
        case 0x9D: {
            const auto offset = std::int16_t(data.u16());
            branches.push_back({int(actions.size()), r.pos() - origin + offset});
            break;
        }
        default:
            throw ReadError{u"unexpected action 0x%1"_s.arg(code, 0, 16)};
        }
        if (!data.atEnd())
            throw ReadError{u"action 0x%1 longer than its data"_s.arg(code, 0, 16)};
        actions.push_back(a);
    }
    for (const auto &[index, target] : branches) {
        const qsizetype at = starts.indexOf(target);
        if (at < 0)
            throw ReadError{u"a branch leads into the middle of an action"_s};
        actions[index].branchTo = int(at);
    }
    return actions;
}

// What a shape tag holds, read and checked record by record.
struct ShapeInfo
{
    QRectF bounds;          // pixels
    QPainterPath filled;    // the outlines of filled contours, even-odd
    int contours = 0;
    int curves = 0;
    QByteArray drawing;     // the tag's body after the id: equal drawings, equal bytes
};

ShapeInfo readShape(int code, const QByteArray &body)
{
    Reader r(body);
    ShapeInfo info;
    info.drawing = body.mid(2);
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

struct SoundInfo
{
    int format = 0;
    int rateCode = 0;
    bool sixteenBit = false;
    bool stereo = false;
    std::uint32_t sampleCount = 0;
    QByteArray data;
};

struct SoundStartInfo
{
    int sound;
    bool stop;
};

// One timeline read back, frame by frame.
struct TimelineInfo
{
    QList<std::map<int, int>> display;                        // depth → character
    QList<std::map<int, std::pair<QTransform, QString>>> places; // depth → matrix, name
    QList<QList<Action>> frameActions;
    QList<QList<SoundStartInfo>> frameSounds;
};

// A movie read back: header, frames (display list and actions of each), buttons.
struct MovieInfo : TimelineInfo
{
    QByteArray signature;
    int version = 0;
    QRect stageTwips;
    double frameRate = 0;
    int headerFrames = 0;
    int showFrames = 0;
    QList<int> tagCodes;
    std::map<int, QList<Action>> buttons;    // button id → click actions
    std::map<int, int> buttonFaces;          // button id → the character it shows when up
    std::map<int, int> sprites;              // sprite id → frames
    std::map<int, TimelineInfo> spriteTimelines;
    std::map<int, SoundInfo> sounds;
    std::map<int, ShapeInfo> shapes;
    QList<std::pair<int, QTransform>> moves; // every placement with a matrix: depth, matrix
    QList<ColorTransform> colours;
};

void readControlTags(const QList<Tag> &tags, MovieInfo &m, std::set<int> &defined, TimelineInfo &timeline, int *frames)
{
    std::map<int, int> shown;
    std::map<int, std::pair<QTransform, QString>> places;
    QList<Action> actions;
    QList<SoundStartInfo> sounds;
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
            timeline.display.push_back(shown);
            timeline.places.push_back(places);
            timeline.frameActions.push_back(actions);
            timeline.frameSounds.push_back(sounds);
            actions.clear();
            sounds.clear();
            break;
        case 14: {
            const int id = r.u16();
            if (!defined.insert(id).second)
                throw ReadError{u"character %1 defined twice"_s.arg(id)};
            SoundInfo sound;
            sound.format = int(r.ub(4));
            sound.rateCode = int(r.ub(2));
            sound.sixteenBit = r.ub(1);
            sound.stereo = r.ub(1);
            sound.sampleCount = r.u32();
            sound.data = r.bytes(t.body.size() - r.pos());
            m.sounds[id] = sound;
            break;
        }
        case 15: {
            const int id = r.u16();
            if (!m.sounds.count(id))
                throw ReadError{u"starting sound %1 before its definition"_s.arg(id)};
            const int flags = r.u8();
            if ((flags & ~0x20) != 0)
                throw ReadError{u"unexpected sound flags"_s};
            sounds.push_back({id, (flags & 0x20) != 0});
            break;
        }
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
                places[depth] = {};
            } else if (!shown.count(depth)) {
                throw ReadError{u"moving empty depth %1"_s.arg(depth)};
            }
            if (flags & 0x04) {
                m.moves.push_back({depth, r.matrix()});
                places[depth].first = m.moves.last().second;
            }
            if (flags & 0x08)
                m.colours.push_back(r.colorTransformWithAlpha());
            if (flags & 0x10)
                r.u16();
            if (flags & 0x20)
                places[depth].second = QString::fromUtf8(r.string());
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
            places.erase(depth);
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
                if (flags & 0x01)
                    m.buttonFaces[id] = character;
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
            readControlTags(readTags(inner), m, defined, m.spriteTimelines[id], &spriteFrames);
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
    readControlTags(tags, m, defined, m, &m.showFrames);
    return m;
}

MovieInfo readMovieFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw ReadError{u"cannot open "_s + path};
    return readMovie(f.readAll());
}

// --- running a movie's actions ------------------------------------------------------------

// Where a list of actions leads: the frame (zero-based) a goto asks for, whether the timeline
// plays on, and the actions addressed to other clips by name.
struct Outcome
{
    std::optional<int> gotoFrame;
    bool play = false;
    std::map<QString, QList<Action>> told;
};

// Runs actions as a player does, with the timeline's variables and a random generator.
Outcome run(const QList<Action> &actions, std::map<QString, QVariant> &variables, std::mt19937 &random)
{
    Outcome out;
    QList<QVariant> stack;
    QString target;
    const auto pop = [&stack] {
        if (stack.isEmpty())
            throw ReadError{u"an action takes from an empty stack"_s};
        return stack.takeLast();
    };
    const auto number = [&pop] { return pop().toInt(); };
    int steps = 0;
    for (qsizetype i = 0; i < actions.size();) {
        if (++steps > 10000)
            throw ReadError{u"the actions do not come to an end"_s};
        const Action &a = actions[i];
        qsizetype next = i + 1;
        if (!target.isEmpty() && a.code != 0x8B) {
            out.told[target].push_back(a);
            i = next;
            continue;
        }
        switch (a.code) {
        case 0x96: stack.push_back(a.value); break;
        case 0x1C: {
            const QString name = pop().toString();
            if (!variables.count(name))
                throw ReadError{u"reads the unset variable "_s + name};
            stack.push_back(variables[name]);
            break;
        }
        case 0x1D: {
            const QVariant value = pop();
            variables[pop().toString()] = value;
            break;
        }
        case 0x30: {
            const int n = number();
            if (n <= 0)
                throw ReadError{u"random number below %1"_s.arg(n)};
            stack.push_back(int(std::uniform_int_distribution<int>(0, n - 1)(random)));
            break;
        }
        case 0x47: case 0x0B: case 0x0C: case 0x3F: case 0x48: {
            const int y = number(), x = number();
            if (a.code == 0x3F && y == 0)
                throw ReadError{u"modulo zero"_s};
            stack.push_back(a.code == 0x47 ? x + y : a.code == 0x0B ? x - y : a.code == 0x0C ? x * y
                            : a.code == 0x3F ? x % y : int(x < y));
            break;
        }
        case 0x12: stack.push_back(int(!number())); break;
        case 0x9D:
            if (number())
                next = a.branchTo;
            break;
        case 0x99: next = a.branchTo; break;
        case 0x81: out.gotoFrame = a.frame; out.play = false; break;
        case 0x9F: out.gotoFrame = number() - 1; out.play = a.andPlay; break; // one-based
        case 0x06: out.play = true; break;
        case 0x07: out.play = false; break;
        case 0x8B: target = a.value.toString(); break;
        default: throw ReadError{u"cannot run action 0x%1"_s.arg(a.code, 0, 16)};
        }
        i = next;
    }
    return out;
}

// The sounds a sprite starts on a frame (none when it is not a sprite).
QList<SoundStartInfo> soundsOf(const MovieInfo &m, int character, int frame)
{
    const auto sprite = m.spriteTimelines.find(character);
    if (sprite == m.spriteTimelines.end() || frame >= sprite->second.frameSounds.size())
        return {};
    return sprite->second.frameSounds[frame];
}

// Whether a frame shows a clip that speaks (starts a sound that is not a stop) as it appears.
bool speaks(const MovieInfo &m, int frame)
{
    for (const auto &[depth, character] : m.display[frame])
        for (const SoundStartInfo &s : soundsOf(m, character, 0))
            if (!s.stop)
                return true;
    return false;
}

// What a question looks like: its cards' faces and its other shapes, wherever they stand,
// leaving out the furniture (drawings that frames without cards show too, such as the stars
// that count the rounds).
QString questionSignature(const MovieInfo &m, int frame, const std::set<QByteArray> &furniture)
{
    QStringList parts;
    const auto describe = [&](int shape) {
        return QString::fromLatin1(QCryptographicHash::hash(m.shapes.at(shape).drawing, QCryptographicHash::Sha1).toHex());
    };
    for (const auto &[depth, character] : m.display[frame]) {
        if (m.buttons.count(character))
            parts << u"card "_s + describe(m.buttonFaces.at(character));
        else if (m.shapes.count(character) && !furniture.count(m.shapes.at(character).drawing))
            parts << describe(character);
    }
    parts.sort();
    return parts.join(u';');
}

// Where a button's card stands on the stage (the centre of its face as placed).
QPoint placeOf(const MovieInfo &m, int frame, int depth)
{
    const int face = m.buttonFaces.at(m.display[frame].at(depth));
    return m.places[frame].at(depth).first.map(m.shapes.at(face).bounds.center()).toPoint();
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
    void soundsAndProgramsReadBack_data();
    void soundsAndProgramsReadBack();
    void badSoundsAndBranchesAreRefused();
    void committedMoviesAreWhatTheGeneratorMakes();
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

void TestSwfWriter::soundsAndProgramsReadBack_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("rateCode");
    QTest::addColumn<int>("samples");
    QTest::newRow("5.5 kHz, one sample") << 5512 << 0 << 1;
    QTest::newRow("11 kHz, odd count") << 11025 << 1 << 777;
    QTest::newRow("22 kHz, two seconds") << 22050 << 2 << 44100;
    QTest::newRow("44 kHz, long tag") << 44100 << 3 << 70000;
}

void TestSwfWriter::soundsAndProgramsReadBack()
{
    QFETCH(int, rate);
    QFETCH(int, rateCode);
    QFETCH(int, samples);
    Sound sound;
    sound.rate = rate;
    for (int i = 0; i < samples; ++i)
        sound.samples.push_back(std::int16_t(std::lround(30000 * std::sin(i * 0.05)) - (i % 3 == 0 ? 1 : 0)));

    Movie movie(QSize(100, 100), 12, Rgba::hex(0xFFFFFF));
    const auto id = movie.defineSound(sound);
    Sprite voiceClip;
    voiceClip.frame({}, Actions().stop(), {{id}});
    const auto clip = movie.defineSprite(voiceClip);
    // A program with a branch forward and one back: counts x up to 3, then goes to the frame
    // held in a variable (one-based), and tells a named clip to play.
    Actions program;
    program.setVariableTo(u"x"_s, Actions().push(0));
    program.label(u"again"_s);
    program.variable(u"x"_s).push(3).less().logicalNot().ifTrue(u"done"_s);
    program.setVariableTo(u"x"_s, Actions().variable(u"x"_s).push(1).add());
    program.jump(u"again"_s);
    program.label(u"done"_s);
    program.setVariableTo(u"target"_s, Actions().push(7).push(3).modulo().push(2).multiply().push(1).subtract());
    program.setTarget(u"voice"_s).gotoFrame(0).play().setTarget(QString());
    program.variable(u"target"_s).gotoPoppedFrame(true);
    movie.showFrame({{1, {clip, {}, {}, u"voice"_s}}}, program, {}, {{id, true}});
    movie.showFrame({});

    MovieInfo m;
    try {
        m = readMovie(movie.bytes());
    } catch (const ReadError &e) {
        QFAIL(qPrintable(e.what));
    }
    const SoundInfo &read = m.sounds.at(id);
    QCOMPARE(read.format, 3); // uncompressed, little-endian
    QCOMPARE(read.rateCode, rateCode);
    QVERIFY(read.sixteenBit);
    QVERIFY(!read.stereo);
    QCOMPARE(read.sampleCount, std::uint32_t(samples));
    QCOMPARE(read.data.size(), qsizetype(samples) * 2);
    for (int i : {0, samples / 2, samples - 1})
        QCOMPARE(qFromLittleEndian<qint16>(read.data.constData() + 2 * i), sound.samples[std::size_t(i)]);
    QCOMPARE(m.frameSounds.first().size(), 1);
    QVERIFY(m.frameSounds.first().first().stop);
    QCOMPARE(soundsOf(m, clip, 0).size(), 1);
    QVERIFY(!soundsOf(m, clip, 0).first().stop);
    QCOMPARE(m.places.first().at(1).second, u"voice"_s);

    std::map<QString, QVariant> variables;
    std::mt19937 random(1);
    const Outcome out = run(m.frameActions.first(), variables, random);
    QCOMPARE(variables[u"x"_s].toInt(), 3);
    QCOMPARE(out.gotoFrame, std::optional<int>(0)); // frame 1 counted from one
    QVERIFY(out.play);
    QCOMPARE(out.told.at(u"voice"_s).size(), 2);
}

void TestSwfWriter::badSoundsAndBranchesAreRefused()
{
    Sound odd;
    odd.rate = 8000;
    odd.samples = {1, 2, 3};
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, odd.encode(1));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Sound().encode(1));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Actions().jump(u"nowhere"_s).encode());
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Actions().label(u"a"_s).label(u"a"_s));
}

namespace {

QString sourceFile(const QString &relative)
{
    return QDir(qEnvironmentVariable("ABACOLO_SOURCE_DIR")).filePath(relative);
}

QStringList movieFiles(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, {u"*.swf"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

void TestSwfWriter::committedMoviesAreWhatTheGeneratorMakes()
{
    const QString generator = qEnvironmentVariable("ABACOLO_MAKE_MOVIES");
    QVERIFY2(QFileInfo(generator).isExecutable(), "ABACOLO_MAKE_MOVIES names the movie generator");
    QTemporaryDir out;
    QProcess make;
    make.start(generator, {sourceFile(u"tools/swf/voices"_s), out.path()});
    QVERIFY(make.waitForFinished(120000));
    QVERIFY2(make.exitCode() == 0, make.readAllStandardError().constData());

    const QString committed = sourceFile(u"data/numbers"_s);
    QCOMPARE(movieFiles(out.path()), movieFiles(committed));
    QStringList differing;
    for (const QString &file : movieFiles(committed)) {
        QFile made(QDir(out.path()).filePath(file)), kept(QDir(committed).filePath(file));
        QVERIFY(made.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly));
        if (made.readAll() != kept.readAll())
            differing << file;
    }
    QVERIFY2(differing.isEmpty(), qPrintable(u"regenerate the movies (target regenerate_movies): "_s
                                             + differing.join(u", "_s) + u" differ"_s));
}

void TestSwfWriter::generatedMovies_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    QTest::newRow("start") << u"start.swf"_s << u"title"_s;
    for (int digit = 0; digit <= 9; ++digit)
        QTest::addRow("lesson %d", digit) << QString::number(digit) + u"x.swf"_s << u"lesson"_s;
    for (int game = 1; game <= 10; ++game)
        QTest::addRow("game %d", game) << u"fgames/"_s + QString::number(game) + u".swf"_s << u"game"_s;
}

void TestSwfWriter::generatedMovies()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    const QString path = sourceFile(u"data/numbers/"_s + file);
    try {
        const MovieInfo m = readMovieFile(path);
        QCOMPARE(m.stageTwips, QRect(0, 0, 1016 * 20, 704 * 20));
        QCOMPARE(m.showFrames, m.headerFrames);
        QVERIFY(m.frameRate >= 12);
        for (const auto &[id, shape] : m.shapes)
            QVERIFY(shape.contours > 0);
        // Every voice is what the emulator plays as it is: mono 16-bit PCM at 22 kHz, and
        // it is heard (peaks well above the noise).
        for (const auto &[id, sound] : m.sounds) {
            QCOMPARE(sound.format, 3);
            QCOMPARE(sound.rateCode, 2);
            QVERIFY(sound.sixteenBit && !sound.stereo);
            QCOMPARE(sound.data.size(), qsizetype(sound.sampleCount) * 2);
            QVERIFY(sound.sampleCount > 22050 / 2);
            int peak = 0;
            for (qsizetype i = 0; i + 1 < sound.data.size(); i += 2)
                peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(sound.data.constData() + i))));
            QVERIFY(peak > 16000);
        }

        if (kind != u"game"_s) {
            // Lessons and the title scene loop on their own: nothing stops them, nothing waits.
            QVERIFY(m.showFrames > 24);
            QVERIFY(m.buttons.empty());
            for (const QList<Action> &actions : m.frameActions)
                QVERIFY(actions.isEmpty());
            // The last frame shows what the first shows, so the loop has no jump.
            QCOMPARE(m.display.last(), m.display.first());
            // A lesson says its rhyme once a round; the title scene is quiet.
            int spoken = 0;
            for (const QList<SoundStartInfo> &sounds : m.frameSounds)
                spoken += int(sounds.size());
            QCOMPARE(spoken, kind == u"lesson"_s ? 1 : 0);
            return;
        }

        // A question: a resting frame with cards. Each has exactly one right card, leading to
        // a resting frame of praise; the others have the clip "bubble" say "再试试" and come
        // back to wait.
        const auto isQuestion = [&m](int frame) {
            int cards = 0;
            for (const auto &[depth, character] : m.display[frame])
                cards += int(m.buttons.count(character));
            return cards >= 2;
        };
        std::map<QString, QVariant> noVariables;
        std::mt19937 unused;
        std::map<int, int> praiseOf; // question frame → its praise frame
        std::map<int, QPoint> rightPlaceOf;
        for (int frame = 0; frame < m.showFrames; ++frame) {
            if (!isQuestion(frame))
                continue;
            QVERIFY(!run(m.frameActions[frame], noVariables, unused).play);
            QVERIFY2(speaks(m, frame), qPrintable(u"question frame %1 says nothing"_s.arg(frame)));
            int rights = 0;
            for (const auto &[depth, character] : m.display[frame]) {
                if (!m.buttons.count(character))
                    continue;
                const Outcome click = run(m.buttons.at(character), noVariables, unused);
                if (click.gotoFrame) {
                    ++rights;
                    praiseOf[frame] = *click.gotoFrame;
                    rightPlaceOf[frame] = placeOf(m, frame, depth);
                    continue;
                }
                QCOMPARE(click.told.size(), std::size_t(1));
                const QList<Action> &told = click.told.at(u"bubble"_s);
                QVERIFY(told.size() == 2 && told[0].code == 0x81 && told[1].code == 0x06);
                // The clip of that name plays from the frame it is told, says something there
                // and comes back to wait where it started.
                int bubble = -1;
                for (const auto &[d, place] : m.places[frame])
                    if (place.second == u"bubble"_s)
                        bubble = m.display[frame].at(d);
                QVERIFY(m.spriteTimelines.count(bubble));
                const TimelineInfo &clip = m.spriteTimelines.at(bubble);
                QVERIFY(!run(clip.frameActions[0], noVariables, unused).play);
                QVERIFY(!soundsOf(m, bubble, told[0].frame).isEmpty());
                QCOMPARE(run(clip.frameActions.last(), noVariables, unused).gotoFrame, std::optional<int>(0));
            }
            QVERIFY2(rights == 1, qPrintable(u"question frame %1 has %2 right cards"_s.arg(frame).arg(rights)));
            const int praise = praiseOf[frame];
            QVERIFY(praise < m.showFrames && !isQuestion(praise) && speaks(m, praise));
            QVERIFY(!run(m.frameActions[praise], noVariables, unused).play);
        }

        // Play it many times as the player would, each with its own random numbers: the first
        // frame draws three different questions; the praise's button leads on to the next,
        // and after the third back to the first frame, which draws anew.
        std::set<QByteArray> furniture;
        for (int frame = 0; frame < m.showFrames; ++frame)
            if (!isQuestion(frame))
                for (const auto &[depth, character] : m.display[frame])
                    if (m.shapes.count(character))
                        furniture.insert(m.shapes.at(character).drawing);
        std::set<QString> questions;
        std::map<QString, std::set<std::pair<int, int>>> placesOf; // question → right card's places
        std::set<QList<QString>> plays;
        for (unsigned seed = 0; seed < 300; ++seed) {
            std::mt19937 random(seed);
            std::map<QString, QVariant> variables;
            std::optional<int> frame = run(m.frameActions[0], variables, random).gotoFrame;
            QList<QString> drawn;
            for (int round = 0; round < 3; ++round) {
                QVERIFY(frame && *frame < m.showFrames && isQuestion(*frame));
                const QString question = questionSignature(m, *frame, furniture);
                QVERIFY2(!drawn.contains(question), "a question drawn twice in one play");
                drawn << question;
                questions.insert(question);
                const QPoint place = rightPlaceOf.at(*frame);
                placesOf[question].insert({place.x(), place.y()});
                const int praise = praiseOf.at(*frame);
                QVERIFY(praise > *frame);
                frame.reset();
                for (const auto &[depth, character] : m.display[praise])
                    if (m.buttons.count(character))
                        frame = run(m.buttons.at(character), variables, random).gotoFrame;
                // Forward only: the emulator does not start the voice of a clip that a jump
                // back brings onto the stage.
                QVERIFY(round == 2 || (frame && *frame > praise));
            }
            QCOMPARE(frame, std::optional<int>(0));
            plays.insert(drawn);
        }
        QVERIFY2(questions.size() >= 10, qPrintable(u"a pool of %1 questions"_s.arg(questions.size())));
        QVERIFY(plays.size() > 100);
        // Every question came with its right card at every place there is.
        for (const auto &[question, places] : placesOf) {
            std::set<std::pair<int, int>> cards;
            for (int frame = 0; frame < m.showFrames; ++frame)
                if (isQuestion(frame) && questionSignature(m, frame, furniture) == question)
                    for (const auto &[depth, character] : m.display[frame])
                        if (m.buttons.count(character))
                            cards.insert({placeOf(m, frame, depth).x(), placeOf(m, frame, depth).y()});
            QVERIFY(places.size() >= 2);
            QCOMPARE(places.size(), cards.size());
        }
    } catch (const ReadError &e) {
        QFAIL(qPrintable(path + u": "_s + e.what));
    }
}

QTEST_MAIN(TestSwfWriter)
#include "test_swfwriter.moc"
