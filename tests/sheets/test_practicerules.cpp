// The practice window's rules on positions alone: snapping, what stands in the boxes, scores.
#include "sheets/practicerules.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

// The ordering page: five boxes 140 wide at these left edges, their tops at 94; the snap line.
constexpr std::array<int, 5> OrderLefts{136, 288, 440, 592, 744};
constexpr int OrderLine = 246;

std::array<QRect, 5> orderBoxes()
{
    std::array<QRect, 5> boxes;
    for (size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = QRect(OrderLefts[i], 94, 140, 140);
    return boxes;
}

// Picture k at box k's corner for the numbers given, the others below the line.
std::array<QPoint, 5> picturesIn(std::initializer_list<int> inTheirBox)
{
    std::array<QPoint, 5> at;
    for (size_t k = 0; k < at.size(); ++k)
        at[k] = QPoint(OrderLefts[k], 296);
    for (int k : inTheirBox)
        at[size_t(k - 1)] = QPoint(OrderLefts[size_t(k - 1)], 94);
    return at;
}

} // namespace

class PracticeRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void snapping_data();
    void snapping();
    void orderScores_data();
    void orderScores();
    void colourScores_data();
    void colourScores();
    void arrangements_data();
    void arrangements();
    void questionArrangementsUseEveryPictureOnce();
};

void PracticeRulesTest::snapping_data()
{
    // A picture 140 × 140 dropped with its top-left at `drop`; box 2 spans 288 … 428.
    QTest::addColumn<QPoint>("drop");
    QTest::addColumn<int>("box"); // 0: stays where it was dropped
    QTest::newRow("inside box 2") << QPoint(250, 120) << 2;
    QTest::newRow("centre on the left edge") << QPoint(218, 120) << 0;
    QTest::newRow("centre just inside the left edge") << QPoint(219, 120) << 2;
    QTest::newRow("centre on the right edge") << QPoint(358, 120) << 0;
    QTest::newRow("centre just inside the right edge") << QPoint(357, 60) << 2;
    QTest::newRow("centre between boxes 2 and 3") << QPoint(364, 120) << 0;
    QTest::newRow("top on the line") << QPoint(288, 246) << 0;
    QTest::newRow("top just above the line") << QPoint(250, 245) << 2;
    QTest::newRow("off the page") << QPoint(-100, -20) << 0;
    QTest::newRow("far right, box 5") << QPoint(760, 0) << 5;
}

void PracticeRulesTest::snapping()
{
    QFETCH(QPoint, drop);
    QFETCH(int, box);
    const std::optional<size_t> snapped
        = snapBox(QRect(drop, QSize(140, 140)), orderBoxes(), OrderLine);
    QCOMPARE(snapped.has_value(), box != 0);
    if (box != 0)
        QCOMPARE(int(*snapped) + 1, box);
}

void PracticeRulesTest::orderScores_data()
{
    QTest::addColumn<QList<int>>("inTheirBox");
    QTest::addColumn<int>("score");
    QTest::newRow("none") << QList<int>{} << 0;
    QTest::newRow("one") << QList<int>{3} << 20;
    QTest::newRow("four") << QList<int>{1, 2, 4, 5} << 80;
    QTest::newRow("all") << QList<int>{1, 2, 3, 4, 5} << 100;
}

void PracticeRulesTest::orderScores()
{
    QFETCH(QList<int>, inTheirBox);
    QFETCH(int, score);
    std::array<QPoint, 5> at = picturesIn({});
    for (int k : inTheirBox)
        at[size_t(k - 1)].setY(94);
    QCOMPARE(orderScore(at, OrderLefts, OrderLine), score);
    // In another picture's box, above the line, a picture scores nothing.
    at[0] = QPoint(OrderLefts[1], 94);
    QCOMPARE(orderScore(at, OrderLefts, OrderLine), score - (inTheirBox.contains(1) ? 20 : 0));
}

void PracticeRulesTest::colourScores_data()
{
    QTest::addColumn<QList<int>>("inTheirBox"); // tiles 1 … 7
    QTest::addColumn<int>("score");
    QTest::newRow("none") << QList<int>{} << 0;
    QTest::newRow("the first tile") << QList<int>{1} << 14;
    QTest::newRow("the last tile") << QList<int>{7} << 16;
    QTest::newRow("all but the last") << QList<int>{1, 2, 3, 4, 5, 6} << 84;
    QTest::newRow("all") << QList<int>{1, 2, 3, 4, 5, 6, 7} << 100;
}

void PracticeRulesTest::colourScores()
{
    QFETCH(QList<int>, inTheirBox);
    QFETCH(int, score);
    // Tile i belongs in the box at lefts[i]; the boxes run from the right here, as on the page.
    const std::array<int, 7> lefts{824, 696, 568, 440, 312, 184, 56};
    constexpr int line = 300;
    std::array<QPoint, 7> at;
    for (size_t i = 0; i < at.size(); ++i)
        at[i] = QPoint(lefts[i], line + 40);
    for (int i : inTheirBox)
        at[size_t(i - 1)].setY(line - 200);
    QCOMPARE(colourScore(at, lefts, line), score);
}

void PracticeRulesTest::arrangements_data()
{
    QTest::addColumn<QList<QPoint>>("controls");
    QTest::addColumn<QString>("text");
    const auto list
        = [](const std::array<QPoint, 5> &at) { return QList<QPoint>(at.begin(), at.end()); };
    QTest::newRow("all below the line") << list(picturesIn({})) << u"·····"_s;
    QTest::newRow("in order") << list(picturesIn({1, 2, 3, 4, 5})) << u"12345"_s;
    // Picture 2 in box 1, picture 1 in box 3, picture 3 beside a box: not in it.
    QTest::newRow("mixed") << QList<QPoint>{{440, 94}, {136, 94}, {600, 94}, {592, 400}, {744, 94}}
                           << u"2·1·5"_s;
    QTest::newRow("two in one box: the first")
        << QList<QPoint>{{288, 94}, {288, 94}, {0, 0}, {0, 0}, {0, 0}} << u"·1···"_s;
}

void PracticeRulesTest::arrangements()
{
    QFETCH(QList<QPoint>, controls);
    QFETCH(QString, text);
    QCOMPARE(arrangementText(controls, OrderLefts, OrderLine), text);
    // The boxes are read from the left whatever order they are given in.
    const std::array<int, 5> reversed{744, 592, 440, 288, 136};
    QCOMPARE(arrangementText(controls, reversed, OrderLine), text);
}

void PracticeRulesTest::questionArrangementsUseEveryPictureOnce()
{
    for (const auto &row : OrderArrangements) {
        std::array<int, 5> sorted = row;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, (std::array<int, 5>{1, 2, 3, 4, 5}));
    }
    for (const auto &row : ColourArrangements) {
        std::array<int, 7> sorted = row;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, (std::array<int, 7>{6, 7, 8, 9, 10, 11, 12}));
    }
}

QTEST_GUILESS_MAIN(PracticeRulesTest)
#include "test_practicerules.moc"
