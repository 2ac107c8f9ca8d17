// The times-tables activity: the 45 rhymes, the questions by level and the groups' places
// without a window, then cards and numbers clicked in its window: a card says its rhyme and
// shows its groups, the hidden card's product is picked from four numbers.
#include "activities/stagebutton.h"
#include "activities/timestables.h"
#include "services/random.h"
#include "services/soundcues.h"
#include "tests/activities/activitytesting.h"
#include "tests/support/testworld.h"
#include "toolkit/panel.h"

#include <QLabel>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

// An open card: one that is not the hidden one.
TimesFact anOpenCard()
{
    const TimesFact hidden = TimesTablesForm->question().fact;
    return hidden == TimesFact{3, 4} ? TimesFact{2, 7} : TimesFact{3, 4};
}

} // namespace

class TimesTablesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rhymesAreTheTraditionalOnes_data();
    void rhymesAreTheTraditionalOnes();
    void cardsAskAndSpeak_data();
    void cardsAskAndSpeak();
    void questionsAskTheLevelsTablesWithNearMisses_data();
    void questionsAskTheLevelsTablesWithNearMisses();
    void groupsStandApartInTheirArea();
    void theTriangleFitsTheStage();
    void clickingACardSpeaksItAndShowsItsGroups();
    void theRightProductRevealsTheCard();
    void aWrongProductKeepsTheQuestion();
    void thirdWrongProductShowsTheAnswer();
};

void TimesTablesTest::rhymesAreTheTraditionalOnes_data()
{
    QTest::addColumn<int>("place"); // in the triangle, row by row
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("rhyme");
    // The table as children chant it: row n holds one n … n n.
    const QStringList rows{
        u"一一得一"_s,
        u"一二得二 二二得四"_s,
        u"一三得三 二三得六 三三得九"_s,
        u"一四得四 二四得八 三四十二 四四十六"_s,
        u"一五得五 二五一十 三五十五 四五二十 五五二十五"_s,
        u"一六得六 二六十二 三六十八 四六二十四 五六三十 六六三十六"_s,
        u"一七得七 二七十四 三七二十一 四七二十八 五七三十五 六七四十二 七七四十九"_s,
        u"一八得八 二八十六 三八二十四 四八三十二 五八四十 六八四十八 七八五十六 八八六十四"_s,
        u"一九得九 二九十八 三九二十七 四九三十六 五九四十五 六九五十四 七九六十三 八九七十二 九九八十一"_s,
    };
    int place = 0;
    for (int second = 1; second <= int(rows.size()); ++second) {
        const QStringList rhymes = rows.at(second - 1).split(u' ');
        for (int first = 1; first <= int(rhymes.size()); ++first) {
            const QString &rhyme = rhymes.at(first - 1);
            QTest::newRow(qPrintable(rhyme)) << place++ << first << second << rhyme;
        }
    }
}

void TimesTablesTest::rhymesAreTheTraditionalOnes()
{
    QFETCH(int, place);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, rhyme);
    const QList<TimesFact> cards = timesTable(LargestTable);
    QCOMPARE(cards.size(), TTimesTablesForm::CardCount);
    QCOMPARE(cards.at(place), (TimesFact{first, second}));
    QCOMPARE(cards.at(place).rhyme(), rhyme);
}

void TimesTablesTest::cardsAskAndSpeak_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("hidden");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("text");
    QTest::newRow("one one") << 1 << 1 << u"一一？"_s << u"一个一是几？"_s << u"1×1"_s;
    QTest::newRow("two as a measure") << 2 << 3 << u"二三？"_s << u"两个三是几？"_s << u"2×3"_s;
    QTest::newRow("two as a number") << 3 << 2 << u"三二？"_s << u"三个二是几？"_s << u"3×2"_s;
    QTest::newRow("three fours") << 3 << 4 << u"三四？"_s << u"三个四是几？"_s << u"3×4"_s;
    QTest::newRow("nine nines") << 9 << 9 << u"九九？"_s << u"九个九是几？"_s << u"9×9"_s;
}

void TimesTablesTest::cardsAskAndSpeak()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, hidden);
    QFETCH(QString, request);
    QFETCH(QString, text);
    const TimesFact fact{first, second};
    QCOMPARE(fact.hidden(), hidden);
    QCOMPARE(fact.request(), request);
    QCOMPARE(fact.text(), text);
    QCOMPARE(fact.rhymeClip(), u"rhyme_%1_%2"_s.arg(first).arg(second));
    QCOMPARE(fact.requestClip(), u"times_%1_%2"_s.arg(first).arg(second));
    // Every card's rhyme and question are carried by the program.
    SoundCues cues;
    const QStringList carried = cues.names();
    for (const TimesFact &card : timesTable(LargestTable)) {
        QVERIFY2(carried.contains(card.rhymeClip()), qPrintable(card.rhymeClip()));
        QVERIFY2(carried.contains(card.requestClip()), qPrintable(card.requestClip()));
    }
}

void TimesTablesTest::questionsAskTheLevelsTablesWithNearMisses_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("upTo");
    QTest::newRow("to three") << 1 << 3;
    QTest::newRow("to five") << 2 << 5;
    QTest::newRow("to nine") << 3 << 9;
}

void TimesTablesTest::questionsAskTheLevelsTablesWithNearMisses()
{
    QFETCH(int, level);
    QFETCH(int, upTo);
    QCOMPARE(tablesUpTo(level), upTo);
    RandomGenerator random;
    QSet<QString> asked;
    QSet<int> answerPlaces;
    for (int s = 0; s < 800; ++s) {
        random.seed(Start + s);
        const TimesTablesQuestion question = drawTimesTablesQuestion(random, level);
        const auto [a, b] = std::pair(question.fact.first, question.fact.second);
        QVERIFY(a >= 1 && a <= b && b <= upTo);
        const int answer = question.fact.product();
        const QSet<int> choices(question.choices.begin(), question.choices.end());
        QCOMPARE(choices.size(), TimesTablesQuestion::ChoiceCount); // four different numbers
        QCOMPARE(question.choices.at(size_t(question.answerIndex())), answer);
        // Each wrong number is a neighbouring card's product or close to the answer.
        const QSet<int> neighbours{a * (b + 1), a * (b - 1), (a + 1) * b, (a - 1) * b};
        for (const int n : choices) {
            QVERIFY(n > 0);
            QVERIFY2(n == answer || neighbours.contains(n) || std::abs(n - answer) <= 3,
                     qPrintable(u"%1 for %2"_s.arg(n).arg(question.fact.text())));
        }
        asked.insert(question.fact.text());
        answerPlaces.insert(question.answerIndex());
    }
    QCOMPARE(asked.size(), upTo * (upTo + 1) / 2); // every card of the level's tables
    QCOMPARE(answerPlaces.size(), TimesTablesQuestion::ChoiceCount);
}

void TimesTablesTest::groupsStandApartInTheirArea()
{
    const QRectF area(10, 60, 532, 170);
    for (int groups = 1; groups <= LargestTable; ++groups) {
        const QList<QRectF> boxes = groupBoxes(area, groups);
        QCOMPARE(boxes.size(), groups);
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            QVERIFY(area.contains(boxes.at(i)));
            QVERIFY(boxes.at(i).width() >= 100 && boxes.at(i).height() >= 80);
            for (qsizetype j = i + 1; j < boxes.size(); ++j)
                QVERIFY(!boxes.at(i).intersects(boxes.at(j)));
        }
    }
}

void TimesTablesTest::theTriangleFitsTheStage()
{
    TestWorld world;
    world.start();
    // Every card, the groups and the numbers on the stage, none over another.
    const QList<StageButton *> shown = TimesTablesForm->stage->findChildren<StageButton *>();
    QCOMPARE(shown.size(), TTimesTablesForm::CardCount + 1 + TimesTablesQuestion::ChoiceCount);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        QVERIFY2(TimesTablesForm->stage->rect().contains(shown.at(i)->geometry()),
                 qPrintable(shown.at(i)->objectName()));
        QVERIFY(shown.at(i)->width() >= 57 || shown.at(i)->objectName().startsWith(u"card"));
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            QVERIFY2(!shown.at(i)->geometry().intersects(shown.at(j)->geometry()),
                     qPrintable(shown.at(i)->objectName() + u" "_s + shown.at(j)->objectName()));
        }
    }
    // The triangle: row n holds the cards one n … n n, side by side.
    for (const TimesFact &fact : timesTable(LargestTable)) {
        const QRect place = TimesTablesForm->card(fact.first, fact.second)->geometry();
        QCOMPARE(place.top(), TimesTablesForm->card(1, fact.second)->y());
        QCOMPARE(place.left(), TimesTablesForm->card(fact.first, LargestTable)->x());
    }
}

void TimesTablesTest::clickingACardSpeaksItAndShowsItsGroups()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(TimesTablesForm));
    const TimesTablesQuestion question = TimesTablesForm->question();
    QCOMPARE(TimesTablesForm->requestLabel->text(), question.fact.request());
    QCOMPARE(world.cues.played, QStringList{question.fact.requestClip()});
    // At first the hidden card's groups stand ready to be counted, its product not shown.
    QCOMPARE(TimesTablesForm->shownFact(), question.fact);
    QVERIFY(!TimesTablesForm->productShown());
    QVERIFY(TimesTablesForm->isHidden(question.fact));
    QVERIFY(TimesTablesForm->card(question.fact.first, question.fact.second)->marked());

    const TimesFact open = anOpenCard();
    world.cues.played.clear();
    click(TimesTablesForm->card(open.first, open.second));
    QCOMPARE(world.cues.played, QStringList{open.rhymeClip()});
    QCOMPARE(TimesTablesForm->shownFact(), open);
    QVERIFY(TimesTablesForm->productShown());
    // The hidden card asks its question again and shows its groups, the product still hidden.
    click(TimesTablesForm->card(question.fact.first, question.fact.second));
    QCOMPARE(world.cues.played.last(), question.fact.requestClip());
    QCOMPARE(TimesTablesForm->shownFact(), question.fact);
    QVERIFY(!TimesTablesForm->productShown());
    // Cards are for listening: they answer nothing, and the groups are not clicked.
    click(TimesTablesForm->groupsView());
    QVERIFY(world.answers.recorded.isEmpty());
    QCOMPARE(visibleFlags(TimesTablesForm), 0);
}

void TimesTablesTest::theRightProductRevealsTheCard()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(TimesTablesForm));
    const TimesTablesQuestion question = TimesTablesForm->question();
    for (int i = 0; i < TimesTablesQuestion::ChoiceCount; ++i)
        QCOMPARE(TimesTablesForm->choice(i)->text(),
                 QString::number(question.choices.at(size_t(i))));
    world.cues.played.clear();
    world.clock.elapsed += 3000;
    world.clock.seconds += 2;
    bool revealed = false;
    world.clock.onHold = [&](int) {
        revealed = !TimesTablesForm->isHidden(question.fact) && TimesTablesForm->productShown()
            && TimesTablesForm->shownFact() == question.fact
            && TimesTablesForm->choice(question.answerIndex())->marked();
    };
    click(TimesTablesForm->choice(question.answerIndex()));

    QVERIFY(revealed); // the card and its product show before the next question
    const AnsweredQuestion *row = loggedRightAnswer(world, TimesTablesForm, u"times_tables"_s, 3000);
    QVERIFY(row);
    QCOMPARE(row->question, question.fact.text());
    QCOMPARE(row->answer, QString::number(question.fact.product()));
}

void TimesTablesTest::aWrongProductKeepsTheQuestion()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(TimesTablesForm));
    const TimesTablesQuestion question = TimesTablesForm->question();
    const TimesFact open = anOpenCard();
    click(TimesTablesForm->card(open.first, open.second));
    world.cues.played.clear();
    click(TimesTablesForm->choice(aWrongChoice(TimesTablesForm->question())));
    // The groups of the question come back to be counted; the card stays hidden.
    QCOMPARE(TimesTablesForm->shownFact(), question.fact);
    QVERIFY(!TimesTablesForm->productShown());
    QVERIFY(TimesTablesForm->isHidden(question.fact));
    QVERIFY(!TimesTablesForm->choice(aWrongChoice(TimesTablesForm->question()))->marked());
    checkWrongAnswer(world, TimesTablesForm, QString::number(question.choices.at(size_t(aWrongChoice(TimesTablesForm->question())))));
    QCOMPARE(world.answers.recorded.first().question, question.fact.text());
}

void TimesTablesTest::thirdWrongProductShowsTheAnswer()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(TimesTablesForm));
    const TimesTablesQuestion question = TimesTablesForm->question();
    click(TimesTablesForm->choice(aWrongChoice(TimesTablesForm->question())));
    click(TimesTablesForm->choice(aWrongChoice(TimesTablesForm->question())));
    bool shown = false;
    world.clock.onHold = [&](int) {
        shown = TimesTablesForm->choice(question.answerIndex())->marked()
            && !TimesTablesForm->isHidden(question.fact) && TimesTablesForm->productShown();
    };
    world.clock.seconds += 3;
    click(TimesTablesForm->choice(aWrongChoice(TimesTablesForm->question())));
    QVERIFY(shown);
    QCOMPARE(world.clock.holds, QList<int>{TTimesTablesForm::PauseAfterAnswerShown});
    // A new question: its card hidden, no number marked.
    const TimesTablesQuestion next = TimesTablesForm->question();
    QVERIFY(TimesTablesForm->isHidden(next.fact));
    QVERIFY(!TimesTablesForm->choice(next.answerIndex())->marked());
}

QTEST_MAIN(TimesTablesTest)
#include "test_timestables.moc"
