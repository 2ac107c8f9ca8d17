// When the counting game and the addition training draw a new question on becoming active:
// coming from another window of the program, yes; coming back from a box, the flag window or
// another program, no.
#include "shell/howuse.h"
#include "shell/mainform.h"
#include "services/random.h"
#include "services/sysdatamoudle.h"
#include "tables/tables.h"
#include "tests/support/testworld.h"
#include "training/addtrain.h"
#include "training/flagshow.h"
#include "training/game_num1.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

// One of the two windows: how it is found, and what of its question a new drawing changes
// (drawn from the clock's second, below `choices`).
struct Activity
{
    std::function<Form *()> window;
    std::function<int()> question;
    int choices;
};

const QHash<QString, Activity> &activities()
{
    static const QHash<QString, Activity> all{
        {u"counting game"_s, {[] { return static_cast<Form *>(Form2); },
                              [] { return Form2->hiddenCount; }, 6}},
        {u"addition training"_s, {[] { return static_cast<Form *>(Form14); },
                                  [] { return Form14->firstCount; }, 10}},
    };
    return all;
}

// A second whose drawing differs from `current`, so that a new question shows.
qint64 secondDrawingOtherThan(int current, int choices)
{
    RandomGenerator random;
    for (qint64 s = 1'700'000'000;; ++s) {
        random.seed(s);
        if (random.below(choices) != current)
            return s;
    }
}

bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Where the window is left for, before the user comes back to it.
using Away = std::function<bool()>;

const QHash<QString, Away> &aways()
{
    static const QHash<QString, Away> all{
        {u"main window"_s, [] { return activate(mymainForm); }},
        {u"how-to-use window"_s, [] {
             Form6->Show();
             const bool active = QTest::qWaitForWindowActive(Form6);
             Form6->close();
             return active;
         }},
        {u"error box"_s, [] {
             QMessageBox box(QMessageBox::Critical, u"错误"_s, u"表格 “sys.db” 没有打开"_s);
             box.show();
             return activate(&box);
         }},
        {u"flag window"_s, [] {
             bool active = false;
             QTimer::singleShot(0, Form13, [&] {
                 active = QTest::qWaitForWindowActive(Form13);
                 Form13->close();
             });
             Form13->ShowModal();
             return active;
         }},
        {u"another program"_s, [] {
             QWidget other; // a window that is none of the program's set
             other.resize(200, 100);
             other.show();
             return activate(&other);
         }},
    };
    return all;
}

} // namespace

class ActivationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newQuestionOnlyComingFromAnotherWindowOfTheProgram_data();
    void newQuestionOnlyComingFromAnotherWindowOfTheProgram();
};

void ActivationTest::newQuestionOnlyComingFromAnotherWindowOfTheProgram_data()
{
    QTest::addColumn<QString>("activity");
    QTest::addColumn<QString>("away");
    QTest::addColumn<bool>("newQuestion");
    for (const QString &activity : {u"counting game"_s, u"addition training"_s}) {
        for (const auto &[away, fresh] : {std::pair{u"main window"_s, true},
                                          std::pair{u"how-to-use window"_s, true},
                                          std::pair{u"error box"_s, false},
                                          std::pair{u"flag window"_s, false},
                                          std::pair{u"another program"_s, false}})
            QTest::addRow("%s, from %s", qPrintable(activity), qPrintable(away))
                << activity << away << fresh;
    }
}

void ActivationTest::newQuestionOnlyComingFromAnotherWindowOfTheProgram()
{
    QFETCH(QString, activity);
    QFETCH(QString, away);
    QFETCH(bool, newQuestion);
    const Activity &subject = activities().value(activity);
    TestWorld world;
    world.start();

    // Opened as the main window opens it: a question is drawn.
    QVERIFY(activate(mymainForm));
    Form *window = subject.window();
    window->Show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCoreApplication::processEvents();
    const int question = subject.question();
    const int counted = DataModule1->Table1->fieldByName(u"num4"_s).asInteger();
    world.clock.seconds = secondDrawingOtherThan(question, subject.choices);

    QVERIFY2(aways().value(away)(), "the other window did not become active");
    QVERIFY(activate(window));
    QCoreApplication::processEvents();

    if (newQuestion)
        QVERIFY(subject.question() != question);
    else
        QCOMPARE(subject.question(), question);
    // The counting game counts every question it draws; the addition training counts answers only.
    const int drawn = activity == u"counting game" && newQuestion ? 1 : 0;
    QCOMPARE(DataModule1->Table1->fieldByName(u"num4"_s).asInteger(), counted + drawn);
}

QTEST_MAIN(ActivationTest)
#include "test_activation.moc"
