// The calculation sheet: drawing sheets, marking them, the countdown, the settings boxes,
// and the sheet kept in its table between runs.

#include "flash/flashgames.h"
#include "services/sysdatamoudle.h"
#include "sheets/doitmyself.h"
#include "shell/mainform.h"
#include "tables/tables.h"
#include "tests/support/testworld.h"
#include "toolkit/dbedit.h"
#include "toolkit/imagebutton.h"
#include "toolkit/progressbar.h"
#include "toolkit/timer.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

using Answer = Dialogs::Answer;

enum Operation { Addition, Subtraction, Multiplication, Division, NoOperation };

const QString NewSheetQuestion = u"需 要 重 新 出 题 吗？"_s;
const QString GoOnQuestion = u"需 要 继 续 做 题 吗？"_s;

// The sheet window opened over a started world, as the child sees it.
class Sheet
{
public:
    Sheet()
    {
        world.start();
        open();
    }

    void open()
    {
        Form10->Show();
        QVERIFY(QTest::qWaitForWindowActive(Form10));
        QCoreApplication::processEvents();
    }

    // Picks an item as the user does: the box changes, then its change handler runs.
    static void choose(QComboBox *box, int index)
    {
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }

    // A new sheet with these settings, answering Yes to the question.
    void draw(int operation, int range = 0)
    {
        Form10->suiComboBox1->setCurrentIndex(operation);
        Form10->suiComboBox2->setCurrentIndex(range);
        world.dialogs.answers.append(Answer::Yes);
        Form10->suiButton1->click();
    }

    // Writes the twenty numbers into the sheet's record, as a sheet of earlier drawn.
    void write(const QVariantList &numbers)
    {
        Form10->Table1->edit();
        for (int n = 1; n <= 20; ++n)
            Form10->Table1->field(n).setAsVariant(numbers.value(n - 1));
        Form10->Table1->post();
    }

    static QList<int> numbers()
    {
        QList<int> shown;
        for (int n = 1; n <= 20; ++n)
            shown.append(Form10->suiDBEdit(n)->text().toInt());
        return shown;
    }

    static QStringList answers()
    {
        QStringList texts;
        for (int k = 1; k <= 10; ++k)
            texts.append(Form10->suiEdit(k)->text());
        return texts;
    }

    static void type(const QStringList &answers)
    {
        for (int k = 1; k <= 10; ++k)
            Form10->suiEdit(k)->setText(answers.value(k - 1));
    }

    static int position() { return Form10->suiProgressBar1->position(); }

    static void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            Form10->Timer1Timer();
    }

    static int counter() { return DataModule1->Table1->fieldByName(u"num1"_s).asInteger(); }

    QStringList questions() const
    {
        QStringList texts;
        for (const ScriptedDialogs::Shown &box : world.dialogs.shown) {
            if (box.kind == u"ask")
                texts.append(box.text);
        }
        return texts;
    }

    // The boxes shown, but for questions; a warning (exclamation icon) is marked "!".
    QStringList messages() const
    {
        QStringList texts;
        for (const ScriptedDialogs::Shown &box : world.dialogs.shown) {
            if (box.kind != u"ask")
                texts.append((box.kind == u"warn" ? u"!"_s : QString()) + box.caption + u": "_s
                             + box.text);
        }
        return texts;
    }

    TestWorld world;
};

QVariantList sheetOf(const QList<QPair<int, int>> &exercises)
{
    QVariantList numbers;
    for (const auto &[first, second] : exercises)
        numbers << first << second;
    return numbers;
}

} // namespace

class SheetTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decliningTheNewSheetChangesNothing();
    void sheetsAreDrawnWithinTheirRange_data();
    void sheetsAreDrawnWithinTheirRange();
    void marking_data();
    void marking();
    void nineFilledBoxesAreNotMarked();
    void fullScoreOpensTheGamesAndKeepsTheScore();
    void theEmptyOperationDrawsAndScoresNothing();
    void reopeningBringsBackTheOperation();
    void countdownRunningOut_data();
    void countdownRunningOut();
    void speedAndClosing();
    void enterMovesToTheNextBox();
    void theSheetSurvivesARestart();
};

void SheetTest::decliningTheNewSheetChangesNothing()
{
    Sheet sheet;
    sheet.draw(Addition);
    const QList<int> numbers = Sheet::numbers();
    const QStringList typed{u"1"_s, u"2"_s, u"3"_s, u""_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s,
                            u"9"_s, u"10"_s};
    Sheet::type(typed);
    Sheet::tick(7);
    const int counted = Sheet::counter();
    sheet.world.clock.seconds += 5; // a drawing now would give other numbers

    // No to the new-sheet button, to a new range and to a new operation.
    sheet.world.dialogs.answers = {Answer::No, Answer::No, Answer::No};
    Form10->suiButton1->click();
    Sheet::choose(Form10->suiComboBox2, 3);
    Sheet::choose(Form10->suiComboBox1, Division);

    QCOMPARE(sheet.questions(), QStringList(4, NewSheetQuestion)); // the first sheet's, then ours
    QCOMPARE(Sheet::numbers(), numbers);
    QCOMPARE(Sheet::answers(), typed);
    QCOMPARE(Sheet::position(), 93);
    QVERIFY(Form10->Timer1->enabled());
    QCOMPARE(Sheet::counter(), counted);
    // The operation took effect at once, without a new sheet.
    QCOMPARE(Form10->operatorLabel(1)->text(), u"÷"_s);
    QCOMPARE(Form10->operatorLabel(10)->text(), u"÷"_s);
    QVERIFY(!Form10->suiComboBox2->isEnabled());
    QCOMPARE(Form10->suiComboBox1->property("tag").toInt(), int(Division));
}

void SheetTest::sheetsAreDrawnWithinTheirRange_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("firstMax");  // the largest first number a sheet can hold
    QTest::addColumn<int>("secondMin");
    QTest::addColumn<int>("secondMax");
    QTest::addColumn<int>("resultMin"); // of first op second
    QTest::addColumn<int>("resultMax");
    // Whether the corners (largest first number, smallest and largest result) come up often
    // enough to be met within the seconds drawn; the bounds hold in any case.
    QTest::addColumn<bool>("cornersSeen");

    QTest::newRow("加法 10以内") << int(Addition) << 0 << 9 << 0 << 9 << 0 << 18 << true;
    QTest::newRow("加法 100以内") << int(Addition) << 5 << 98 << 0 << 98 << 0 << 196 << false;
    QTest::newRow("减法 10以内") << int(Subtraction) << 0 << 8 << 0 << 4 << 0 << 4 << true;
    QTest::newRow("减法 30以内") << int(Subtraction) << 2 << 38 << 0 << 19 << 0 << 19 << true;
    QTest::newRow("减法 100以内") << int(Subtraction) << 5 << 98 << 0 << 49 << 0 << 49 << false;
    QTest::newRow("乘法, whatever the range") << int(Multiplication) << 5 << 9 << 0 << 9 << 0
                                             << 81 << true;
    QTest::newRow("除法, exact") << int(Division) << 3 << 81 << 1 << 9 << 1 << 9 << true;
}

void SheetTest::sheetsAreDrawnWithinTheirRange()
{
    QFETCH(int, operation);
    QFETCH(int, range);
    QFETCH(int, firstMax);
    QFETCH(int, secondMin);
    QFETCH(int, secondMax);
    QFETCH(int, resultMin);
    QFETCH(int, resultMax);
    QFETCH(bool, cornersSeen);

    Sheet sheet;
    int firstSeen = 0;
    int secondLow = secondMax;
    int secondHigh = secondMin;
    int resultLow = resultMax;
    int resultHigh = resultMin;
    const int counted = Sheet::counter();
    constexpr int Seconds = 60;
    for (int s = 0; s < Seconds; ++s) {
        sheet.world.clock.seconds = 1'700'000'000 + s;
        sheet.draw(operation, range);
        const QList<int> n = Sheet::numbers();
        for (int k = 0; k < 10; ++k) {
            const int first = n.at(2 * k);
            const int second = n.at(2 * k + 1);
            QVERIFY2(first >= 0 && first <= firstMax, qPrintable(QString::number(first)));
            QVERIFY(second >= secondMin && second <= secondMax);
            int result = 0;
            switch (operation) {
            case Addition: result = first + second; break;
            case Subtraction: result = first - second; break;
            case Multiplication: result = first * second; break;
            default:
                QCOMPARE(first % second, 0);
                result = first / second;
            }
            QVERIFY(result >= resultMin && result <= resultMax);
            firstSeen = std::max(firstSeen, first);
            secondLow = std::min(secondLow, second);
            secondHigh = std::max(secondHigh, second);
            resultLow = std::min(resultLow, result);
            resultHigh = std::max(resultHigh, result);
        }
    }
    // The whole range comes up, not a part of it.
    QCOMPARE(secondLow, secondMin);
    QCOMPARE(secondHigh, secondMax);
    if (cornersSeen) {
        QCOMPARE(firstSeen, firstMax);
        QCOMPARE(resultLow, resultMin);
        QCOMPARE(resultHigh, resultMax);
    }
    QCOMPARE(Sheet::counter(), counted + Seconds);

    // Within one second the same sheet comes again.
    const QList<int> last = Sheet::numbers();
    sheet.draw(operation, range);
    QCOMPARE(Sheet::numbers(), last);
}

void SheetTest::marking_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QVariantList>("numbers");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("score");      // -1: no score
    QTest::addColumn<QString>("message"); // the error box, if any

    const QVariantList mixed = sheetOf({{2, 3}, {9, 4}, {8, 8}, {0, 5}, {7, 1},
                                        {6, 2}, {5, 5}, {3, 9}, {4, 0}, {1, 1}});
    QTest::newRow("70 points")
        << int(Addition) << mixed
        << QStringList{u"5"_s, u"13"_s, u"16"_s, u"5"_s, u"8"_s, u"8"_s, u"10"_s, u"11"_s,
                       u"40"_s, u"3"_s}
        << 70 << QString();
    QTest::newRow("nothing right")
        << int(Multiplication) << mixed << QStringList(10, u"99"_s) << 0 << QString();
    QTest::newRow("a negative answer is a number")
        << int(Subtraction) << mixed
        << QStringList{u"-1"_s, u"5"_s, u"0"_s, u"-5"_s, u"+6"_s, u"4"_s, u"0"_s, u"-7"_s,
                       u"4"_s, u"1"_s}
        << 80 << QString();
    QTest::newRow("sums up to 196")
        << int(Addition) << sheetOf({{98, 98}, {98, 0}, {0, 98}, {50, 49}, {99, 99},
                                     {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}})
        << QStringList{u"196"_s, u"98"_s, u"98"_s, u"99"_s, u"198"_s, u"2"_s, u"4"_s, u"6"_s,
                       u"8"_s, u"10"_s}
        << 100 << QString();
    // Division over numbers drawn for another sheet: dividing by 0 is never right, whatever
    // was typed; the other exercises divide as whole numbers.
    QTest::newRow("division by 0 is marked wrong")
        << int(Division)
        << sheetOf({{8, 2}, {5, 0}, {0, 0}, {9, 4}, {7, 7}, {1, 3}, {6, 0}, {81, 9}, {3, 2},
                    {9, 2}})
        << QStringList{u"4"_s, u"0"_s, u"0"_s, u"2"_s, u"1"_s, u"0"_s, u"6"_s, u"9"_s, u"1"_s,
                       u"5"_s}
        << 60 << QString();
    QTest::newRow("a letter")
        << int(Addition) << mixed
        << QStringList{u"5"_s, u"13"_s, u"16"_s, u"5"_s, u"8"_s, u"8"_s, u"1o"_s, u"12"_s,
                       u"4"_s, u"2"_s}
        << -1 << u"!错误: 答案只能输入数字!"_s;
    QTest::newRow("a blank counts as filled, but is no number")
        << int(Addition) << mixed
        << QStringList{u"5"_s, u"13"_s, u"16"_s, u"5"_s, u"8"_s, u"8"_s, u"10"_s, u"12"_s,
                       u"4"_s, u" "_s}
        << -1 << u"!错误: 答案只能输入数字!"_s;
    QVariantList undrawn = mixed;
    undrawn[5] = QVariant();
    QTest::newRow("a number never drawn")
        << int(Addition) << undrawn
        << QStringList(10, u"1"_s) << -1 << u"!错误: 答案只能输入数字!"_s;
}

void SheetTest::marking()
{
    QFETCH(int, operation);
    QFETCH(QVariantList, numbers);
    QFETCH(QStringList, typed);
    QFETCH(int, score);
    QFETCH(QString, message);

    Sheet sheet;
    sheet.draw(Addition);
    sheet.write(numbers);
    sheet.world.dialogs.answers.append(Answer::No); // keep these numbers
    Sheet::choose(Form10->suiComboBox1, operation);
    Sheet::type(typed);
    Sheet::tick(3);
    Form10->suiButton2->click();

    QVERIFY(!Form10->Timer1->enabled()); // ten filled boxes stop the countdown in any case
    QCOMPARE(Sheet::position(), 97);
    QCOMPARE(Sheet::answers(), typed); // the answers stay for another try
    if (score < 0) {
        QCOMPARE(sheet.messages(), QStringList{message});
        QVERIFY(Form10->Label24->isHidden());
        QVERIFY(Form10->Label23->isHidden());
        QVERIFY(sheet.world.cues.played.isEmpty());
        return;
    }
    QVERIFY(sheet.messages().isEmpty());
    QCOMPARE(Form10->Label24->text(), QString::number(score));
    QVERIFY(!Form10->Label24->isHidden());
    QCOMPARE(Form10->Label23->text(), u"分!!"_s);
    QVERIFY(!Form10->Label23->isHidden());
    QCOMPARE(sheet.world.cues.played, QStringList{score == 100 ? u"vright"_s : u"cat"_s});
    QCOMPARE(Form10->isVisible(), score != 100);
}

void SheetTest::nineFilledBoxesAreNotMarked()
{
    Sheet sheet;
    sheet.draw(Addition);
    QStringList typed(10, u"3"_s);
    typed[6].clear();
    Sheet::type(typed);
    Form10->suiEdit(9)->setFocus();
    Form10->suiButton2->click();

    QCOMPARE(sheet.messages(), QStringList{u"!错误: 请做完所有题目，答案不能为空！"_s});
    QCOMPARE(QApplication::focusWidget(), Form10->suiEdit(1));
    QVERIFY(Form10->Label24->isHidden());
    QVERIFY(sheet.world.cues.played.isEmpty());
    // The countdown goes on.
    QVERIFY(Form10->Timer1->enabled());
    Sheet::tick();
    QCOMPARE(Sheet::position(), 99);
}

void SheetTest::fullScoreOpensTheGamesAndKeepsTheScore()
{
    Sheet sheet;
    sheet.draw(Subtraction, 1);
    const QList<int> n = Sheet::numbers();
    QStringList typed;
    for (int k = 0; k < 10; ++k)
        typed.append(QString::number(n.at(2 * k) - n.at(2 * k + 1)));
    Sheet::type(typed);
    Form10->suiButton2->click();

    QCOMPARE(sheet.world.cues.played, QStringList{u"vright"_s});
    QVERIFY(Form15->isVisible());
    QVERIFY(!Form10->isVisible());
    QVERIFY(!Form10->Timer1->enabled());

    // Opened again, the sheet still shows its score until a new sheet is drawn.
    sheet.open();
    QCOMPARE(Form10->Label24->text(), u"100"_s);
    QVERIFY(Form10->Label24->isVisible());
    QVERIFY(Form10->Label23->isVisible());
    QCOMPARE(Sheet::answers(), typed);
    sheet.draw(Subtraction);
    QVERIFY(Form10->Label24->isHidden());
    QVERIFY(Form10->Label23->isHidden());
    QCOMPARE(Sheet::answers(), QStringList(10, QString()));
}

void SheetTest::theEmptyOperationDrawsAndScoresNothing()
{
    Sheet sheet;
    sheet.world.dialogs.answers.append(Answer::Yes);
    Sheet::choose(Form10->suiComboBox1, Subtraction);
    const QList<int> numbers = Sheet::numbers();
    const int counted = Sheet::counter();
    Sheet::tick(10);
    sheet.world.clock.seconds += 60;

    sheet.world.dialogs.answers.append(Answer::Yes);
    Sheet::choose(Form10->suiComboBox1, NoOperation);

    QCOMPARE(Form10->suiComboBox1->currentText(), QString());
    QCOMPARE(Form10->suiComboBox1->property("tag").toInt(), int(NoOperation));
    QCOMPARE(Form10->operatorLabel(3)->text(), u"-"_s); // the signs stay
    QVERIFY(Form10->suiComboBox2->isEnabled());
    QCOMPARE(Sheet::numbers(), numbers);               // nothing drawn
    QCOMPARE(Sheet::position(), 100);                  // the countdown restarted
    QVERIFY(Form10->Timer1->enabled());
    QCOMPARE(Sheet::counter(), counted + 1);

    Sheet::type(QStringList(10, u"1"_s));
    Form10->suiButton2->click();
    QVERIFY(!Form10->Timer1->enabled());
    QVERIFY(Form10->Label24->isHidden());
    QVERIFY(sheet.messages().isEmpty());
    QVERIFY(sheet.world.cues.played.isEmpty());
}

void SheetTest::reopeningBringsBackTheOperation()
{
    Sheet sheet;
    QCOMPARE(Form10->suiComboBox1->currentText(), u"加法"_s);
    QCOMPARE(Form10->suiComboBox2->currentText(), u"10以内"_s);
    QCOMPARE(Form10->suiComboBox3->currentText(), u"一般"_s);

    sheet.world.dialogs.answers = {Answer::Yes, Answer::Yes};
    Sheet::choose(Form10->suiComboBox1, Subtraction);
    Sheet::choose(Form10->suiComboBox2, 2);
    Sheet::choose(Form10->suiComboBox3, 4);
    QCOMPARE(Form10->operatorLabel(6)->text(), u"-"_s);
    Form10->close();
    QVERIFY(!Form10->isVisible());
    mymainForm->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mymainForm));

    // Opened again from the main window's topic "做练习玩游戏": the operation of the last
    // sheet comes back, the range starts again at "10以内", the speed stays.
    QTest::mouseClick(mymainForm->topicButton(4), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(Form10));
    QCoreApplication::processEvents();
    QCOMPARE(Form10->y(), mymainForm->y());
    QCOMPARE(Form10->suiComboBox1->currentText(), u"减法"_s);
    QCOMPARE(Form10->suiComboBox2->currentText(), u"10以内"_s);
    QCOMPARE(Form10->suiComboBox3->currentText(), u"很快"_s);
    QCOMPARE(Form10->operatorLabel(6)->text(), u"-"_s);

    // Coming back from another of our windows the box keeps showing the operation that the
    // signs show and the marking follows.
    Form10->suiComboBox1->setCurrentIndex(Addition);
    Form10->FormActivate();
    QCOMPARE(Form10->suiComboBox1->currentText(), u"减法"_s);
}

void SheetTest::countdownRunningOut_data()
{
    QTest::addColumn<QList<Answer>>("answers"); // to the time-out question, then the new sheet
    QTest::addColumn<bool>("newSheet");
    QTest::addColumn<int>("positionAfter");     // after the tick reaching 0

    QTest::newRow("go on") << QList<Answer>{Answer::Yes} << false << 100;
    QTest::newRow("a new sheet") << QList<Answer>{Answer::No, Answer::Yes} << true << 100;
    QTest::newRow("neither") << QList<Answer>{Answer::No, Answer::No} << false << 0;
}

void SheetTest::countdownRunningOut()
{
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, newSheet);
    QFETCH(int, positionAfter);

    Sheet sheet;
    sheet.draw(Addition, 1);
    const QList<int> numbers = Sheet::numbers();
    const int counted = Sheet::counter();
    Sheet::type(QStringList(10, u"7"_s));
    sheet.world.clock.seconds += 100;

    Sheet::tick(99);
    QCOMPARE(Sheet::position(), 1);
    QCOMPARE(sheet.questions().size(), 1); // only the first new-sheet question so far

    sheet.world.dialogs.answers = answers;
    Sheet::tick();
    QVERIFY(sheet.world.dialogs.answers.isEmpty());
    QCOMPARE(sheet.world.dialogs.shown.at(1).caption, u"要努力，时间可不等人噢！"_s);
    QCOMPARE(sheet.world.dialogs.shown.at(1).text, GoOnQuestion);
    QCOMPARE(Sheet::position(), positionAfter);
    QVERIFY(Form10->Timer1->enabled());
    QCOMPARE(Sheet::counter(), counted + (newSheet ? 1 : 0));
    QCOMPARE(Sheet::numbers() != numbers, newSheet);
    QCOMPARE(Sheet::answers(), QStringList(10, newSheet ? QString() : u"7"_s));

    // Out of time the bar goes on falling below 0, shows empty, and asks nothing more.
    if (positionAfter == 0) {
        const int asked = sheet.questions().size();
        Sheet::tick(150);
        QCOMPARE(Sheet::position(), -150);
        QCOMPARE(sheet.questions().size(), asked);
        QCOMPARE(Form10->suiProgressBar1->fraction(), 0.0);
    }
}

void SheetTest::speedAndClosing()
{
    Sheet sheet;
    // "一般" shows at start, yet the timer keeps its interval until the box changes.
    QCOMPARE(Form10->Timer1->interval(), 1000);
    QVERIFY(!Form10->Timer1->enabled());
    const QList<int> intervals{1000, 750, 500, 400, 300};
    for (int speed = 4; speed >= 0; --speed) {
        Sheet::choose(Form10->suiComboBox3, speed);
        QCOMPARE(Form10->Timer1->interval(), intervals.at(speed));
    }
    QVERIFY(sheet.questions().isEmpty()); // speed draws no sheet

    sheet.draw(Addition);
    Sheet::type(QStringList(10, u"2"_s));
    Sheet::tick(40);
    Form10->close();
    QVERIFY(!Form10->isVisible());
    QVERIFY(!Form10->Timer1->enabled());
    QCOMPARE(Sheet::position(), 100);
    QCOMPARE(Sheet::answers(), QStringList(10, u"2"_s));
}

void SheetTest::enterMovesToTheNextBox()
{
    Sheet sheet;
    sheet.draw(Addition);
    QCOMPARE(QApplication::focusWidget(), Form10->suiEdit(1));
    QTest::keyClicks(Form10->suiEdit(1), u"1234"_s);
    QCOMPARE(Form10->suiEdit(1)->text(), u"123"_s); // three characters at most
    for (int k = 1; k <= 9; ++k) {
        QTest::keyClick(QApplication::focusWidget(), k % 2 ? Qt::Key_Return : Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), Form10->suiEdit(k + 1));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), Form10->suiButton1);
    // The Enter keys were swallowed; nothing was marked or drawn.
    QCOMPARE(Form10->suiEdit(10)->text(), QString());
    QCOMPARE(sheet.questions().size(), 1);
    QVERIFY(sheet.messages().isEmpty());
}

void SheetTest::theSheetSurvivesARestart()
{
    Sheet sheet;
    const QList<int> seeded = Sheet::numbers();
    sheet.world.clock.seconds = 1'700'123'456;
    sheet.draw(Division);
    const QList<int> numbers = Sheet::numbers();
    QVERIFY(numbers != seeded);
    sheet.world.stop();
    sheet.world.start();
    QCOMPARE(Sheet::numbers(), numbers); // read back from the table file
    QCOMPARE(Sheet::counter(), 1);
}

QTEST_MAIN(SheetTest)
#include "test_sheet.moc"
