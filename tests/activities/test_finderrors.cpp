// The finding-errors activity: its questions by level without a window, then a right and a
// wrong card clicked in its window, with cues, flags, answer log rows and the answer shown at
// every third wrong answer.
#include "activities/finderrors.h"
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

int aRightCard()
{
    return (FindErrorsForm->question().wrongIndex + 1) % FindErrorsQuestion::CardCount;
}

} // namespace

class FindErrorsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void questionsHoldExactlyOneWrongCardOfTheLevel_data();
    void questionsHoldExactlyOneWrongCardOfTheLevel();
    void cardsSayWhatTheyClaim_data();
    void cardsSayWhatTheyClaim();
    void clickingTheWrongCardIsRightAndLogged();
    void aRightCardIsAWrongAnswer();
    void thirdWrongAnswerShowsTheWrongCard();
};

void FindErrorsTest::questionsHoldExactlyOneWrongCardOfTheLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("kinds"); // G group, S sum, D difference
    QTest::addColumn<int>("highest");   // no number on a card above it
    QTest::addColumn<bool>("pictures");
    QTest::newRow("groups to five") << 1 << u"G"_s << 7 << true;
    QTest::newRow("picture sums to five") << 2 << u"S"_s << 7 << true;
    QTest::newRow("sums and differences to ten") << 3 << u"SD"_s << 12 << true;
    QTest::newRow("written to twenty") << 4 << u"SD"_s << 22 << false;
}

void FindErrorsTest::questionsHoldExactlyOneWrongCardOfTheLevel()
{
    QFETCH(int, level);
    QFETCH(QString, kinds);
    QFETCH(int, highest);
    QFETCH(bool, pictures);
    const QString letters = u"GSD"_s;
    RandomGenerator random;
    QSet<int> wrongPlaces;
    QSet<QChar> kindsSeen;
    for (int s = 0; s < 300; ++s) {
        random.seed(1'700'000'000 + s);
        const FindErrorsQuestion question = drawFindErrorsQuestion(random, level);
        QCOMPARE(question.pictures, pictures);
        int wrong = 0;
        QSet<QString> faces;
        for (const ErrorCard &card : question.cards) {
            wrong += card.isRight() ? 0 : 1;
            kindsSeen.insert(letters.at(int(card.kind)));
            faces.insert(u"%1 %2 %3"_s.arg(int(card.kind)).arg(card.first).arg(card.second));
            QVERIFY(card.first >= 1 && card.first <= highest && card.shown <= highest);
            QVERIFY2(card.shown >= 0 && card.truth() >= 0, "no card below zero");
            if (card.kind == ErrorCard::Kind::Group)
                QVERIFY(card.shown >= 1);
            else
                QVERIFY(card.second >= 1);
            if (card.kind == ErrorCard::Kind::Difference)
                QVERIFY(card.second < card.first);
            if (pictures) // picture groups hold up to nine
                QVERIFY(card.first <= 9 && card.second <= 9);
            if (!card.isRight())
                QVERIFY(std::abs(card.shown - card.truth()) <= 2);
        }
        QCOMPARE(wrong, 1);
        QVERIFY(!question.cards.at(size_t(question.wrongIndex)).isRight());
        QCOMPARE(faces.size(), FindErrorsQuestion::CardCount); // four different cards
        wrongPlaces.insert(question.wrongIndex);
    }
    QCOMPARE(wrongPlaces.size(), FindErrorsQuestion::CardCount);
    QCOMPARE(QSet<QChar>(kinds.begin(), kinds.end()), kindsSeen);
}

void FindErrorsTest::cardsSayWhatTheyClaim_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("right");
    QTest::newRow("group") << int(ErrorCard::Kind::Group) << 3 << 0 << 3 << u"3"_s << true;
    QTest::newRow("group miscounted") << int(ErrorCard::Kind::Group) << 3 << 0 << 4 << u"4"_s << false;
    QTest::newRow("sum") << int(ErrorCard::Kind::Sum) << 2 << 3 << 5 << u"2 + 3 = 5"_s << true;
    QTest::newRow("sum wrong") << int(ErrorCard::Kind::Sum) << 12 << 7 << 18 << u"12 + 7 = 18"_s << false;
    QTest::newRow("difference") << int(ErrorCard::Kind::Difference) << 7 << 2 << 5 << u"7 - 2 = 5"_s << true;
    QTest::newRow("difference to zero wrong") << int(ErrorCard::Kind::Difference) << 2 << 1 << 0
                                               << u"2 - 1 = 0"_s << false;
}

void FindErrorsTest::cardsSayWhatTheyClaim()
{
    QFETCH(int, kind);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, shown);
    QFETCH(QString, text);
    QFETCH(bool, right);
    const ErrorCard card{ErrorCard::Kind(kind), first, second, shown};
    QCOMPARE(card.text(), text);
    QCOMPARE(card.isRight(), right);
}

void FindErrorsTest::clickingTheWrongCardIsRightAndLogged()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(FindErrorsForm));
    QCOMPARE(FindErrorsForm->requestLabel->text(), u"哪张卡片错了？"_s);
    QCOMPARE(world.cues.played, QStringList{u"which_wrong"_s});
    for (int i = 0; i < FindErrorsQuestion::CardCount; ++i)
        QVERIFY(FindErrorsForm->card(i)->isVisible());
    const FindErrorsQuestion question = FindErrorsForm->question();
    world.cues.played.clear();
    world.clock.elapsed += 4000;
    world.clock.seconds += 2;

    click(FindErrorsForm->card(question.wrongIndex));

    const AnsweredQuestion *row = loggedRightAnswer(world, FindErrorsForm, u"finding_errors"_s, 4000);
    QVERIFY(row);
    QCOMPARE(world.cues.played, (QStringList{u"vright"_s, u"which_wrong"_s}));
    QCOMPARE(row->question, question.text());
    QVERIFY(row->question.startsWith(u"哪张错了："_s));
    QCOMPARE(row->answer, question.cards.at(size_t(question.wrongIndex)).text());
}

void FindErrorsTest::aRightCardIsAWrongAnswer()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(FindErrorsForm));
    const FindErrorsQuestion question = FindErrorsForm->question();
    world.cues.played.clear();
    click(FindErrorsForm->card(aRightCard()));
    checkWrongAnswer(world, FindErrorsForm, question.cards.at(size_t(aRightCard())).text());
    QCOMPARE(FindErrorsForm->question().text(), question.text());
}

void FindErrorsTest::thirdWrongAnswerShowsTheWrongCard()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(FindErrorsForm));
    const int wrongCard = FindErrorsForm->question().wrongIndex;
    click(FindErrorsForm->card(aRightCard()));
    click(FindErrorsForm->card(aRightCard()));
    QVERIFY(!FindErrorsForm->card(wrongCard)->marked());
    bool shown = false;
    world.clock.onHold = [&](int) { shown = FindErrorsForm->card(wrongCard)->marked(); };
    world.clock.seconds += 3;
    click(FindErrorsForm->card(aRightCard()));
    QVERIFY(shown);
    QCOMPARE(world.clock.holds, QList<int>{TFindErrorsForm::PauseAfterAnswerShown});
    QVERIFY(!FindErrorsForm->card(FindErrorsForm->question().wrongIndex)->marked());
}

QTEST_MAIN(FindErrorsTest)
#include "test_finderrors.moc"
