// The multiples activity: its questions by level without a window, then number buttons
// clicked in its window, with the groups lit as they are counted, cues, flags, answer log rows
// and the answer shown at every third wrong answer.
#include "activities/multiples.h"
#include "activities/stagebutton.h"
#include "services/random.h"
#include "tests/activities/activitytesting.h"
#include "tests/support/testworld.h"

#include <QLabel>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

QString requestOf(int groupSize)
{
    static const QHash<int, QString> requests{{2, u"两个两个数，下一个是几？"_s},
                                              {5, u"五个五个数，下一个是几？"_s},
                                              {10, u"十个十个数，下一个是几？"_s}};
    return requests.value(groupSize);
}

} // namespace

class MultiplesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void questionsCountOnByTheLevelsGroups_data();
    void questionsCountOnByTheLevelsGroups();
    void sequenceShowsTheCountsSoFar_data();
    void sequenceShowsTheCountsSoFar();
    void countedGroupsAreLitAndTheNextIsRight();
    void aWrongNumberKeepsTheQuestion();
    void thirdWrongNumberShowsTheCount();
};

void MultiplesTest::questionsCountOnByTheLevelsGroups_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<int>("fewest");
    QTest::addColumn<int>("highestAnswer");
    QTest::newRow("twos to eight") << 1 << QList<int>{2} << 3 << 8;
    QTest::newRow("twos to ten, fives to twenty") << 2 << QList<int>{2, 5} << 3 << 20;
    QTest::newRow("fives and tens to fifty") << 3 << QList<int>{5, 10} << 3 << 50;
    QTest::newRow("all with up to six groups") << 4 << QList<int>{2, 5, 10} << 4 << 60;
}

void MultiplesTest::questionsCountOnByTheLevelsGroups()
{
    QFETCH(int, level);
    QFETCH(QList<int>, sizes);
    QFETCH(int, fewest);
    QFETCH(int, highestAnswer);
    RandomGenerator random;
    QSet<int> sizesSeen;
    QSet<int> answerPlaces;
    int highestSeen = 0;
    for (int s = 0; s < 300; ++s) {
        random.seed(1'700'000'000 + s);
        const MultiplesQuestion question = drawMultiplesQuestion(random, level);
        QVERIFY(question.groups >= fewest && question.groups <= MostGroups);
        if (level == 2 && question.groupSize == 5)
            QVERIFY(question.groups <= 4);
        const QSet<int> choices(question.choices.begin(), question.choices.end());
        QCOMPARE(choices.size(), MultiplesQuestion::ChoiceCount); // four different numbers
        QVERIFY(choices.contains(question.answer()));
        QVERIFY(*std::min_element(choices.begin(), choices.end()) > 0);
        QCOMPARE(question.choices.at(size_t(question.answerIndex())), question.answer());
        sizesSeen.insert(question.groupSize);
        answerPlaces.insert(question.answerIndex());
        highestSeen = std::max(highestSeen, question.answer());
    }
    QCOMPARE(sizesSeen, QSet<int>(sizes.begin(), sizes.end()));
    QCOMPARE(answerPlaces.size(), MultiplesQuestion::ChoiceCount);
    QCOMPARE(highestSeen, highestAnswer);
}

void MultiplesTest::sequenceShowsTheCountsSoFar_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("groups");
    QTest::addColumn<QString>("sequence");
    QTest::newRow("twos") << 2 << 4 << u"2, 4, 6, ?"_s;
    QTest::newRow("fives") << 5 << 3 << u"5, 10, ?"_s;
    QTest::newRow("tens") << 10 << 6 << u"10, 20, 30, 40, 50, ?"_s;
}

void MultiplesTest::sequenceShowsTheCountsSoFar()
{
    QFETCH(int, size);
    QFETCH(int, groups);
    QFETCH(QString, sequence);
    MultiplesQuestion question;
    question.groupSize = size;
    question.groups = groups;
    QCOMPARE(question.sequence(), sequence);
    QCOMPARE(question.answer(), size * groups);
}

void MultiplesTest::countedGroupsAreLitAndTheNextIsRight()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(MultiplesForm));
    const MultiplesQuestion question = MultiplesForm->question();
    QCOMPARE(MultiplesForm->requestLabel->text(), requestOf(question.groupSize));
    QCOMPARE(world.cues.played, QStringList{u"count_by_%1"_s.arg(question.groupSize)});
    for (int i = 0; i < MostGroups; ++i) {
        QCOMPARE(MultiplesForm->group(i)->isVisible(), i < question.groups);
        QCOMPARE(MultiplesForm->isLit(i), i < question.groups - 1); // the last is asked
    }
    for (int i = 0; i < MultiplesQuestion::ChoiceCount; ++i)
        QCOMPARE(MultiplesForm->choice(i)->text(), QString::number(question.choices.at(size_t(i))));
    // The groups are counted, not clicked: a click on one answers nothing.
    click(MultiplesForm->group(0));
    QVERIFY(world.answers.recorded.isEmpty());

    world.cues.played.clear();
    world.clock.elapsed += 3000;
    world.clock.seconds += 2;
    bool allLit = false;
    world.clock.onHold = [&](int) { allLit = MultiplesForm->isLit(question.groups - 1); };
    click(MultiplesForm->choice(question.answerIndex()));

    QVERIFY(allLit); // the last group lights with its count before the next question
    const AnsweredQuestion *row = loggedRightAnswer(world, MultiplesForm, u"multiples"_s, 3000);
    QVERIFY(row);
    QCOMPARE(row->question, question.sequence());
    QCOMPARE(row->answer, QString::number(question.answer()));
}

void MultiplesTest::aWrongNumberKeepsTheQuestion()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(MultiplesForm));
    const MultiplesQuestion question = MultiplesForm->question();
    world.cues.played.clear();
    click(MultiplesForm->choice(aWrongChoice(MultiplesForm->question())));
    checkWrongAnswer(world, MultiplesForm, QString::number(question.choices.at(size_t(aWrongChoice(MultiplesForm->question())))));
    QVERIFY(!MultiplesForm->isLit(question.groups - 1));
}

void MultiplesTest::thirdWrongNumberShowsTheCount()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(MultiplesForm));
    const MultiplesQuestion question = MultiplesForm->question();
    click(MultiplesForm->choice(aWrongChoice(MultiplesForm->question())));
    click(MultiplesForm->choice(aWrongChoice(MultiplesForm->question())));
    bool shown = false;
    world.clock.onHold = [&](int) {
        shown = MultiplesForm->choice(question.answerIndex())->marked() &&
                MultiplesForm->isLit(question.groups - 1);
    };
    world.clock.seconds += 3;
    click(MultiplesForm->choice(aWrongChoice(MultiplesForm->question())));
    QVERIFY(shown);
    QCOMPARE(world.clock.holds, QList<int>{TMultiplesForm::PauseAfterAnswerShown});
    QVERIFY(!MultiplesForm->choice(MultiplesForm->question().answerIndex())->marked());
}

QTEST_MAIN(MultiplesTest)
#include "test_multiples.moc"
