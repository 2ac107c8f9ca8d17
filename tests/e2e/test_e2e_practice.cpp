// The colouring page of the practice window in the shipped program: the child drags each
// coloured tile up into the box named after its colour; every box then holds its colour and
// the score bar stands full.
#include "driver.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace abacolo::e2e;

namespace {

// The page lies inside the frame's border, below the title bar.
const QPoint Page(layout::BorderWidth, layout::TitleHeight);
// Boxes 1 … 7 from the left, 120 × 120 at top 109; the tiles stand at the same lefts at
// top 253 after a new question.
constexpr int BoxLefts[7] = {56, 184, 312, 440, 568, 696, 824};
constexpr int BoxTop = 109;
constexpr int RowTop = 253;
constexpr int Size = 120;
// The tiles' lower half shows their plain colour (the upper half has a sheen).
constexpr int SampleY = 90;

// The colour text of the table: a colour name, or a number whose lowest byte is red.
std::optional<QRgb> colourFromText(const QString &text)
{
    static const QHash<QString, QRgb> names{
        {u"clblack"_s, qRgb(0, 0, 0)},       {u"clmaroon"_s, qRgb(128, 0, 0)},
        {u"clgreen"_s, qRgb(0, 128, 0)},     {u"clolive"_s, qRgb(128, 128, 0)},
        {u"clnavy"_s, qRgb(0, 0, 128)},      {u"clpurple"_s, qRgb(128, 0, 128)},
        {u"clteal"_s, qRgb(0, 128, 128)},    {u"clgray"_s, qRgb(128, 128, 128)},
        {u"clsilver"_s, qRgb(192, 192, 192)}, {u"clred"_s, qRgb(255, 0, 0)},
        {u"cllime"_s, qRgb(0, 255, 0)},      {u"clyellow"_s, qRgb(255, 255, 0)},
        {u"clblue"_s, qRgb(0, 0, 255)},      {u"clfuchsia"_s, qRgb(255, 0, 255)},
        {u"claqua"_s, qRgb(0, 255, 255)},    {u"clwhite"_s, qRgb(255, 255, 255)},
    };
    if (const auto named = names.constFind(text.trimmed().toLower()); named != names.constEnd())
        return *named;
    bool ok = false;
    const QString t = text.trimmed();
    const qint64 value = t.startsWith(u'$') ? t.mid(1).toLongLong(&ok, 16) : t.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return qRgb(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

int distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

} // namespace

class PracticeEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void tilesDraggedIntoTheirBoxesScoreFull();

private:
    QRgb pixel(QPoint at) const { return m_session->screen.grab(QRect(at, QSize(1, 1))).pixel(0, 0); }

    std::unique_ptr<Session> m_session;
};

void PracticeEndToEnd::cleanup()
{
    endSession(m_session);
}

void PracticeEndToEnd::tilesDraggedIntoTheirBoxesScoreFull()
{
    m_session = std::make_unique<Session>();
    QVERIFY2(m_session->server.running(), qPrintable(m_session->server.error()));
    Screen &screen = m_session->screen;
    const std::optional<WindowInfo> main = m_session->startProgram();
    QVERIFY(main);
    const auto num2 = [&] {
        return m_session->program->queryInt(u"sys.db"_s, u"SELECT num2 FROM sys"_s).value_or(-1);
    };
    const int questions = num2();

    // The first colour set: its names stand over the boxes, its colours go to the tiles once
    // the set is chosen.
    const QStringList record = m_session->program->query(
        u"changcolor.db"_s, u"SELECT Color1, Color2, Color3, Color4, Color5, Color6, Color7 "
                            u"FROM changcolor ORDER BY rowid LIMIT 1"_s);
    QCOMPARE(record.size(), 1);
    QList<QRgb> wanted;
    for (const QString &text : record.first().split(u'|')) {
        const std::optional<QRgb> colour = colourFromText(text);
        QVERIFY2(colour, qPrintable(text));
        wanted.append(*colour);
    }
    QCOMPARE(wanted.size(), 7);

    const QSet<unsigned long> before = screen.viewableIds();
    screen.click(main->geometry.topLeft() + layout::topicButton(6));
    const std::optional<WindowInfo> practice = screen.waitForNewWindow(before);
    QVERIFY(practice);
    QCOMPARE(practice->geometry.top(), main->geometry.top());
    const QPoint page = practice->geometry.topLeft() + Page;
    // The colouring page came to the front with a new question, counted in "num2".
    QVERIFY(waitUntil([&] { return num2() == questions + 1; }, 15000, TablePollMs));

    // Choose the first colour set ("色彩一"): the tiles take its colours.
    screen.click(page + QPoint(432 + 8, 423 + 9));

    // Where each tile stands in the row, by the colour a person sees there; the row is
    // settled once every wanted colour is found in it.
    QList<int> columnOf(7, -1);
    QVERIFY2(waitUntil([&] {
        for (int box = 0; box < 7; ++box) {
            columnOf[box] = -1;
            for (int column = 0; column < 7; ++column) {
                const QRgb seen = pixel(page + QPoint(BoxLefts[column] + Size / 2, RowTop + SampleY));
                if (distance(seen, wanted.at(box)) <= 12)
                    columnOf[box] = column;
            }
            if (columnOf[box] < 0)
                return false;
        }
        return true;
    }), "the tiles do not show the colours of the first colour set");

    // Drag each tile by its lower half up into its box. Before the last one, the hint button
    // shows the score bar: six of seven tiles fill it short of its end (84 or 86).
    const QRect bar(page + QPoint(48, 391), QSize(905, 12));
    const QPoint nearStart = bar.topLeft() + QPoint(bar.width() / 10, bar.height() / 2);
    const QPoint nearEnd = bar.topLeft() + QPoint(bar.width() * 95 / 100, bar.height() / 2);
    QRgb endBefore = 0;
    for (int box = 0; box < 7; ++box) {
        if (box == 6) {
            QVERIFY(screen.shareOf(bar, qRgb(0, 0, 0)) > 0.9); // hidden so far
            screen.click(page + QPoint(536 + 28, 487 + 24));
            QVERIFY(waitUntil([&] { return screen.shareOf(bar, qRgb(0, 0, 0)) < 0.5; }));
            endBefore = pixel(nearEnd);
            QVERIFY2(distance(pixel(nearStart), endBefore) > 40, "six tiles filled the bar");
        }
        const QPoint grip = page + QPoint(BoxLefts[columnOf[box]] + Size / 2, RowTop + SampleY);
        const QPoint drop = page + QPoint(BoxLefts[box] + Size / 2, BoxTop + SampleY);
        screen.drag(grip, drop);
        QVERIFY2(waitUntil([&] { return distance(pixel(drop), wanted.at(box)) <= 12; }),
                 qPrintable(u"box "_s + QString::number(box + 1) + u" does not show its colour"_s));
    }
    // Every box holds its colour, the row below is empty, and the bar is full to its end.
    for (int box = 0; box < 7; ++box) {
        QVERIFY(distance(pixel(page + QPoint(BoxLefts[box] + Size / 2, BoxTop + SampleY)), wanted.at(box)) <= 12);
        QCOMPARE(pixel(page + QPoint(BoxLefts[box] + Size / 2, RowTop + SampleY)), qRgb(0, 0, 0));
    }
    QVERIFY2(waitUntil([&] { return distance(pixel(nearStart), pixel(nearEnd)) <= 40; }),
             "the score bar did not fill");
    QVERIFY(pixel(nearEnd) != endBefore);
}

QTEST_GUILESS_MAIN(PracticeEndToEnd)
#include "test_e2e_practice.moc"
