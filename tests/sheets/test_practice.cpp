// The practice window: dragging, snapping and marking on the ordering and colouring pages,
// the questions, the hint buttons, the colour sets and the clock.

#include "services/sysdatamoudle.h"
#include "sheets/games4_1.h"
#include "shell/mainform.h"
#include "tests/support/testworld.h"
#include "toolkit/bevel.h"
#include "toolkit/colourtile.h"
#include "toolkit/dbtext.h"
#include "toolkit/handlers.h"
#include "toolkit/imagebutton.h"
#include "toolkit/panel.h"
#include "toolkit/picturecard.h"
#include "toolkit/skinframe.h"
#include "toolkit/timer.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

constexpr int OrderLeft[] = {136, 288, 440, 592, 744};      // boxes 1 … 5
constexpr int ColourLeft[] = {56, 184, 312, 440, 568, 696, 824}; // boxes 1 … 7 from the left

// Drags a control with mouse events on the control itself, holding it by `grab`, so that its
// top-left ends at `to` (page position), and lets it go there.
void dragTo(QWidget *control, QPoint to, QPoint grab = QPoint(37, 52))
{
    QTest::mousePress(control, Qt::LeftButton, {}, grab);
    QTest::mouseMove(control, grab + (to - control->pos()) / 2);
    QTest::mouseMove(control, grab + (to - control->pos()));
    QCOMPARE(control->pos(), to); // the grabbed point stayed under the pointer
    QTest::mouseRelease(control, Qt::LeftButton, {}, grab);
}

// Presses a control and lets it go without moving it.
void pressAndRelease(QWidget *control)
{
    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(20, 20));
}

int counter(const QString &field)
{
    return DataModule1->Table1->fieldByName(field).asInteger();
}

QString colourSetScript(const QStringList &records)
{
    QString script = uR"(CREATE TABLE changcolor (
        Bt1 TEXT, Bt2 TEXT, Bt3 TEXT, Bt4 TEXT, Bt5 TEXT, Bt6 TEXT, Bt7 TEXT,
        Color1 TEXT, Color2 TEXT, Color3 TEXT, Color4 TEXT, Color5 TEXT, Color6 TEXT,
        Color7 TEXT);
)"_s;
    for (const QString &values : records)
        script += u"INSERT INTO changcolor VALUES ("_s + values + u");\n"_s;
    return script;
}

const QString FirstSet = u"'红', '橙', '黄', '绿', '青', '蓝', '紫', "
                         u"'clRed', '33023', '$00FFFF', 'CLLIME', 'clAqua', 'clBlue', 'clPurple'"_s;
const QString SecondSet = u"'白', '灰', '粉', '棕', '黑', '银', '橄', "
                          u"'clWhite', 'clGray', '$C8A0FF', '19350', 'clBlack', 'clSilver', "
                          u"'clOlive'"_s;

} // namespace

class TestPractice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void dropOnTheOrderingPage_data();
    void dropOnTheOrderingPage();
    void twoPicturesInOneBox();
    void fullRowScoresUntilTheNextQuestion();
    void questionsTakeThemesAndArrangementsInTurn();
    void activationDrawsAnOrderingQuestion();
    void hintButtonsCountAndToggle();
    void colouringScore_data();
    void colouringScore();
    void colouringArrangements_data();
    void colouringArrangements();
    void checkBoxesMoveThroughTwoColourSets();
    void badColourColoursNothing();
    void closedColourTableShowsTheEngineError();
    void closedProgressTableStopsTheQuestion();
    void clockInTheCaption();
    void topicsOpenTheirPages_data();
    void topicsOpenTheirPages();

private:
    // Starts the program with these tables (a colour table of its own if records are given)
    // and shows the practice window, its next ordering theme being the first.
    TForm5 *start(const QStringList &tables = test::TestWorld::allTables(),
                  const QStringList &colourSets = {});
    // Draws a new ordering question whose random integer is r.
    void orderingQuestion(int r);
    QList<QColor> tileColours() const;

    std::unique_ptr<test::TestWorld> world;
};

TForm5 *TestPractice::start(const QStringList &tables, const QStringList &colourSets)
{
    QStringList seeded = tables;
    if (!colourSets.isEmpty())
        seeded.removeAll(u"changcolor.db"_s);
    world = std::make_unique<test::TestWorld>(seeded);
    if (!colourSets.isEmpty()) {
        QString error;
        if (!createTableFile(world->tablePath(u"changcolor.db"_s), colourSetScript(colourSets),
                             TablePassword, &error)) {
            qFatal("cannot make the colour table: %s", qPrintable(error));
        }
    }
    world->start();
    Form5->Show();
    QCoreApplication::processEvents();
    games4_1::orderTheme = 1;
    return Form5;
}

void TestPractice::cleanup()
{
    world.reset();
}

void TestPractice::orderingQuestion(int r)
{
    world->clock.seconds = test::secondGiving(r, 5);
    QTest::mouseClick(Form5->suiButton2, Qt::LeftButton);
}

QList<QColor> TestPractice::tileColours() const
{
    return {Form5->Image12->color(), Form5->Image11->color(), Form5->Image10->color(),
            Form5->Image9->color(),  Form5->Image8->color(),  Form5->Image7->color(),
            Form5->Image6->color()};
}

void TestPractice::dropOnTheOrderingPage_data()
{
    // Image2 belongs in box 2 (288 … 428); the snap line is 246. Arrangement 1 stands Image1
    // under box 2 and Image2 under box 1.
    QTest::addColumn<QPoint>("drop");
    QTest::addColumn<QPoint>("expected");
    QTest::addColumn<int>("countUnderBox2");
    QTest::addColumn<int>("score");

    QTest::newRow("inside box 2") << QPoint(250, 120) << QPoint(288, 94) << 2 << 20;
    QTest::newRow("centre on the left edge") << QPoint(218, 120) << QPoint(218, 120) << 1 << 0;
    QTest::newRow("centre just inside the left edge")
        << QPoint(219, 120) << QPoint(288, 94) << 2 << 20;
    QTest::newRow("centre on the right edge") << QPoint(358, 120) << QPoint(358, 120) << 1 << 0;
    QTest::newRow("centre just inside the right edge")
        << QPoint(357, 60) << QPoint(288, 94) << 2 << 20;
    QTest::newRow("centre between boxes 2 and 3")
        << QPoint(364, 120) << QPoint(364, 120) << 1 << 0;
    QTest::newRow("top on the line, over the box")
        << QPoint(288, 246) << QPoint(288, 246) << 2 << 0;
    QTest::newRow("top just above the line") << QPoint(250, 245) << QPoint(288, 94) << 2 << 20;
    QTest::newRow("off the page") << QPoint(-100, -20) << QPoint(-100, -20) << 1 << 0;
}

void TestPractice::dropOnTheOrderingPage()
{
    QFETCH(QPoint, drop);
    QFETCH(QPoint, expected);
    QFETCH(int, countUnderBox2);
    QFETCH(int, score);

    TForm5 *form = start();
    orderingQuestion(1);
    QCOMPARE(form->Image2->pos(), QPoint(OrderLeft[0], 296));

    dragTo(form->Image2, drop);
    QCOMPARE(form->Image2->pos(), expected);
    QCOMPARE(form->Label3->text(), QString::number(countUnderBox2));
    QCOMPARE(form->Label2->text(), u"0"_s);
    QCOMPARE(form->suiProgressBar1->value(), score);
    QVERIFY(!games4_1::dragging);
}

void TestPractice::twoPicturesInOneBox()
{
    TForm5 *form = start();
    orderingQuestion(1);

    // Image2 goes in first, Image1 (which belongs there) last.
    dragTo(form->Image2, QPoint(130, 90));
    dragTo(form->Image1, QPoint(150, 110));

    QCOMPARE(form->Image1->pos(), QPoint(136, 94));
    QCOMPARE(form->Image2->pos(), QPoint(136, 94));
    QCOMPARE(form->Label2->text(), u"2"_s);
    QCOMPARE(form->suiProgressBar1->value(), 20);
    // Every picture is snapped in ascending number, so the higher number lies on top.
    QCOMPARE(form->Panel1->childAt(200, 160), form->Image2);
    QVERIFY(world->cues.played.isEmpty());
}

void TestPractice::fullRowScoresUntilTheNextQuestion()
{
    TForm5 *form = start();
    orderingQuestion(3);
    const int questions = counter(u"num3"_s);

    const std::array<PictureCard *, 5> pictures{form->Image1, form->Image2, form->Image3,
                                                form->Image4, form->Image5};
    for (int k = 0; k < 5; ++k) {
        QVERIFY(form->Label24->isHidden());
        dragTo(pictures[k], QPoint(OrderLeft[k] + 12, 80));
        QCOMPARE(form->suiProgressBar1->value(), 20 * (k + 1));
    }
    QCOMPARE(world->cues.played, QStringList{u"vright"_s});
    QVERIFY(form->Label24->isVisible());
    QVERIFY(form->Label23->isVisible());
    QCOMPARE(form->Label24->text(), u"100"_s);
    QCOMPARE(form->Label23->text(), u"分!!"_s);
    for (QLabel *count : {form->Label2, form->Label3, form->Label4, form->Label6, form->Label7})
        QCOMPARE(count->text(), u"1"_s);

    // Everything in place: a release scores 100 again and plays the cue again.
    pressAndRelease(form->Image3);
    QCOMPARE(world->cues.played.size(), 2);

    orderingQuestion(0);
    QVERIFY(form->Label24->isHidden());
    QVERIFY(form->Label23->isHidden());
    QVERIFY(form->suiProgressBar1->isHidden());
    QCOMPARE(form->suiProgressBar1->value(), 100); // until the next release
    QCOMPARE(counter(u"num3"_s), questions + 1);
    for (PictureCard *picture : pictures)
        QCOMPARE(picture->y(), 296);
}

void TestPractice::questionsTakeThemesAndArrangementsInTurn()
{
    struct Theme
    {
        QString left, right, pictures;
    };
    const QList<Theme> themes{{u"低"_s, u"高"_s, u"sp"_s},
                              {u"大"_s, u"小"_s, u"hm"_s},
                              {u"少"_s, u"多"_s, u"ld"_s},
                              {u"粗"_s, u"细"_s, u"cannon"_s},
                              {u"宽"_s, u"窄"_s, u"Xmas"_s}};
    // The pictures from left to right for each random integer.
    const QList<QList<int>> arrangements{
        {1, 4, 3, 5, 2}, {2, 1, 5, 3, 4}, {4, 2, 5, 3, 1}, {4, 3, 2, 5, 1}, {2, 5, 1, 3, 4}};

    TForm5 *form = start();
    const std::array<PictureCard *, 5> pictures{form->Image1, form->Image2, form->Image3,
                                                form->Image4, form->Image5};
    const int questions = counter(u"num3"_s);

    for (int i = 0; i < 6; ++i) {
        const Theme &theme = themes[i % 5];
        const int r = (i + 2) % 5;
        orderingQuestion(r);
        QCOMPARE(form->Label1->text(), theme.left);
        QCOMPARE(form->Label5->text(), theme.right);
        for (int k = 0; k < 5; ++k) {
            const QPixmap expected = world->pictures.picture(theme.pictures + QString::number(k + 1));
            QCOMPARE(pictures[k]->picture().cacheKey(), expected.cacheKey());
        }
        for (int j = 0; j < 5; ++j)
            QCOMPARE(pictures[arrangements[r][j] - 1]->pos(), QPoint(OrderLeft[j], 296));
    }
    QCOMPARE(counter(u"num3"_s), questions + 6);
    QCOMPARE(games4_1::orderTheme, 2);
}

void TestPractice::activationDrawsAnOrderingQuestion()
{
    TForm5 *form = start();
    games4_1::orderTheme = 3;
    form->Image11->setColor(Qt::blue);
    form->Panel2->raise();
    const int questions = counter(u"num3"_s);

    form->FormActivate();
    QCOMPARE(form->Label1->text(), u"少"_s);
    QCOMPARE(counter(u"num3"_s), questions + 1);
    QCOMPARE(form->Image11->color(), QColor(255, 128, 64));
    QCOMPARE(form->Image1->y(), 296);
    // The colouring page stays in front.
    QCOMPARE(form->suiForm1->childAt(form->Panel2->pos() + QPoint(5, 690)), form->Panel2);
}

void TestPractice::hintButtonsCountAndToggle()
{
    TForm5 *form = start();
    const int hints = counter(u"num2"_s);

    QTest::mouseClick(form->suiButton1, Qt::LeftButton);
    QVERIFY(!form->suiProgressBar1->isHidden());
    QTest::mouseClick(form->suiButton1, Qt::LeftButton);
    QVERIFY(form->suiProgressBar1->isHidden());
    QCOMPARE(counter(u"num2"_s), hints + 2);

    QTest::mouseClick(form->suiButton3, Qt::LeftButton);
    QVERIFY(!form->suiProgressBar2->isHidden());
    QTest::mouseClick(form->suiButton3, Qt::LeftButton);
    QVERIFY(form->suiProgressBar2->isHidden());
    QCOMPARE(counter(u"num2"_s), hints + 2);
}

void TestPractice::colouringScore_data()
{
    QTest::addColumn<int>("last");  // the tile put in last
    QTest::addColumn<int>("scoreAtSix");
    QTest::newRow("Image12 last") << 12 << 84;
    QTest::newRow("Image6 last") << 6 << 86;
    QTest::newRow("Image9 last") << 9 << 86;
}

void TestPractice::colouringScore()
{
    QFETCH(int, last);
    QFETCH(int, scoreAtSix);

    TForm5 *form = start();
    form->Panel2->raise();
    world->clock.seconds = test::secondGiving(2, 6);
    QTest::mouseClick(form->suiButton5, Qt::LeftButton);

    const std::array<ColourTile *, 7> tiles{form->Image6, form->Image7,  form->Image8,
                                            form->Image9, form->Image10, form->Image11,
                                            form->Image12};
    // Tile n belongs in Bevel n, which is box 13 − n from the left.
    auto putAway = [&](int n) { dragTo(tiles[n - 6], QPoint(ColourLeft[12 - n] + 9, 100)); };
    for (int n = 6; n <= 12; ++n) {
        if (n != last)
            putAway(n);
    }
    QCOMPARE(form->suiProgressBar2->value(), scoreAtSix);
    QVERIFY(world->cues.played.isEmpty());

    putAway(last);
    QCOMPARE(form->Image12->pos(), QPoint(56, 109));
    QCOMPARE(form->Image6->pos(), QPoint(824, 109));
    QCOMPARE(form->suiProgressBar2->value(), 100);
    QCOMPARE(world->cues.played, QStringList{u"vright"_s});
}

void TestPractice::colouringArrangements_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<QList<int>>("tiles"); // from left to right
    QTest::addColumn<int>("underOwnBox");
    QTest::newRow("arrangement 4") << 4 << QList<int>{7, 11, 10, 9, 8, 12, 6} << 5;
    QTest::newRow("arrangement 1") << 1 << QList<int>{10, 6, 11, 7, 12, 9, 8} << 0;
}

void TestPractice::colouringArrangements()
{
    QFETCH(int, r);
    QFETCH(QList<int>, tiles);
    QFETCH(int, underOwnBox);

    TForm5 *form = start();
    form->Panel2->raise();
    const QList<QColor> colours = tileColours();
    const int count = counter(u"num2"_s);
    form->suiProgressBar2->setValue(42);
    form->suiProgressBar2->show();

    world->clock.seconds = test::secondGiving(r, 6);
    QTest::mouseClick(form->suiButton5, Qt::LeftButton);
    QCOMPARE(counter(u"num2"_s), count + 1);
    QVERIFY(form->suiProgressBar2->isHidden());
    QCOMPARE(form->suiProgressBar2->value(), 0);
    QCOMPARE(tileColours(), colours);

    int own = 0;
    for (int j = 0; j < 7; ++j) {
        auto *tile = form->Panel2->findChild<ColourTile *>(u"Image"_s + QString::number(tiles[j]));
        QCOMPARE(tile->pos(), QPoint(ColourLeft[j], 253));
        if (tiles[j] == 13 - (j + 1))
            ++own;
        // Under its box is not in it: a release there scores nothing.
        pressAndRelease(tile);
        QCOMPARE(tile->pos(), QPoint(ColourLeft[j], 253));
    }
    QCOMPARE(own, underOwnBox);
    QCOMPARE(form->suiProgressBar2->value(), 0);
    QVERIFY(world->cues.played.isEmpty());
}

void TestPractice::checkBoxesMoveThroughTwoColourSets()
{
    TForm5 *form = start(test::TestWorld::allTables(), {FirstSet, SecondSet});
    form->Panel2->raise();
    const std::array<DBText *, 7> captions{form->DBText1, form->DBText2, form->DBText3,
                                           form->DBText4, form->DBText5, form->DBText6,
                                           form->DBText7};
    auto captionTexts = [&] {
        QStringList texts;
        for (DBText *caption : captions)
            texts.append(caption->text());
        return texts;
    };
    const QStringList first{u"红"_s, u"橙"_s, u"黄"_s, u"绿"_s, u"青"_s, u"蓝"_s, u"紫"_s};
    const QStringList second{u"白"_s, u"灰"_s, u"粉"_s, u"棕"_s, u"黑"_s, u"银"_s, u"橄"_s};
    const QList<QColor> firstColours{QColor(255, 0, 0),   QColor(255, 128, 0), QColor(255, 255, 0),
                                     QColor(0, 255, 0),   QColor(0, 255, 255), QColor(0, 0, 255),
                                     QColor(128, 0, 128)};
    const QList<QColor> secondColours{QColor(255, 255, 255), QColor(128, 128, 128),
                                      QColor(255, 160, 200), QColor(150, 75, 0),
                                      QColor(0, 0, 0),       QColor(192, 192, 192),
                                      QColor(128, 128, 0)};
    QCOMPARE(captionTexts(), first);
    QVERIFY(form->suiCheckBox1->isChecked());
    QVERIFY(!form->suiCheckBox2->isChecked());

    for (int click = 1; click <= 2; ++click) {
        QTest::mouseClick(form->suiCheckBox2, Qt::LeftButton);
        QCOMPARE(form->Table1->recordNumber(), 2);
        QCOMPARE(captionTexts(), second);
        QCOMPARE(tileColours(), secondColours);
        QVERIFY(!form->suiCheckBox1->isChecked());
        QCOMPARE(form->suiCheckBox2->isChecked(), click == 1); // its own mark toggles
    }

    QTest::mouseClick(form->suiCheckBox1, Qt::LeftButton);
    QCOMPARE(form->Table1->recordNumber(), 1);
    QCOMPARE(captionTexts(), first);
    QCOMPARE(tileColours(), firstColours);
    QVERIFY(form->suiCheckBox1->isChecked());
    QVERIFY(!form->suiCheckBox2->isChecked());
    QVERIFY(world->dialogs.shown.isEmpty());
}

void TestPractice::badColourColoursNothing()
{
    const QString badSet = u"'白', '灰', '粉', '棕', '黑', '银', '橄', "
                           u"'clWhite', 'clGray', '$C8A0FF', 'clRedd', 'clBlack', 'clSilver', "
                           u"'clOlive'"_s;
    TForm5 *form = start(test::TestWorld::allTables(), {FirstSet, badSet});
    form->Panel2->raise();
    const QList<QColor> before = tileColours();

    QTest::mouseClick(form->suiCheckBox2, Qt::LeftButton);
    const QStringList errors = world->dialogs.errors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(u"“clRedd”"_s), qPrintable(errors.first()));
    QVERIFY(errors.first().contains(u"Color4"_s));
    QCOMPARE(tileColours(), before);
    // The rest of the handler is skipped: the other box keeps its mark.
    QVERIFY(form->suiCheckBox1->isChecked());
}

void TestPractice::closedColourTableShowsTheEngineError()
{
    QStringList tables = test::TestWorld::allTables();
    tables.removeAll(u"changcolor.db"_s);
    TForm5 *form = start(tables);
    form->Panel2->raise();
    const QList<QColor> before = tileColours();
    QCOMPARE(form->DBText1->text(), QString());

    QTest::mouseClick(form->suiCheckBox2, Qt::LeftButton);
    QTest::mouseClick(form->suiCheckBox1, Qt::LeftButton);
    const QStringList errors = world->dialogs.errors();
    QCOMPARE(errors.size(), 2);
    QVERIFY2(errors.first().contains(u"changcolor.db"_s), qPrintable(errors.first()));
    QCOMPARE(tileColours(), before);
    QCOMPARE(form->DBText1->text(), QString());
}

void TestPractice::closedProgressTableStopsTheQuestion()
{
    QStringList tables = test::TestWorld::allTables();
    tables.removeAll(u"sys.db"_s);
    TForm5 *form = start(tables);
    world->dialogs.shown.clear();
    form->Label24->show();
    const QPoint where = form->Image1->pos();
    const QString left = form->Label1->text();
    world->clock.seconds += 1; // a fresh drawing would move the pictures

    QTest::mouseClick(form->suiButton2, Qt::LeftButton);
    QCOMPARE(world->dialogs.errors().size(), 1);
    QVERIFY(form->Label24->isHidden()); // hidden before the counter failed
    QCOMPARE(form->Image1->pos(), where);
    QCOMPARE(form->Label1->text(), left);
    QCOMPARE(games4_1::orderTheme, 1);

    form->Image11->setColor(Qt::cyan);
    HandlerGate::guard([form] { form->FormActivate(); });
    QCOMPARE(world->dialogs.errors().size(), 2);
    QCOMPARE(form->Image11->color(), QColor(Qt::cyan));

    QTest::mouseClick(form->suiButton1, Qt::LeftButton);
    QVERIFY(form->suiProgressBar1->isHidden());
    QTest::mouseClick(form->suiButton5, Qt::LeftButton);
    QCOMPARE(world->dialogs.errors().size(), 4);
}

void TestPractice::clockInTheCaption()
{
    TForm5 *form = start();
    QVERIFY(form->Timer1->enabled());
    QCOMPARE(form->Timer1->interval(), 1000);
    world->clock.time = QTime(14, 7, 9);
    form->Timer1Timer();
    const QString caption = form->suiForm1->caption();
    QVERIFY2(caption.startsWith(u"当前时间："_s), qPrintable(caption));
    QVERIFY2(caption.contains(u"07"_s) && caption.contains(u"09"_s), qPrintable(caption));
    QCOMPARE(form->windowTitle(), caption);
}

void TestPractice::topicsOpenTheirPages_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("colouringQuestions"); // per press
    QTest::newRow("物体色彩") << 6 << u"Panel2"_s << 1;
    QTest::newRow("顺序") << 8 << u"Panel1"_s << 0;
}

void TestPractice::topicsOpenTheirPages()
{
    QFETCH(int, button);
    QFETCH(QString, page);
    QFETCH(int, colouringQuestions);

    world = std::make_unique<test::TestWorld>();
    world->start();
    const int questions = counter(u"num2"_s);
    auto frontPage = [] {
        return Form5->suiForm1->childAt(Form5->Panel1->pos() + QPoint(5, 690))->objectName();
    };

    for (int press = 1; press <= 2; ++press) {
        // The other page in front, the colouring buttons hidden.
        (page == u"Panel1" ? Form5->Panel2 : Form5->Panel1)->raise();
        Form5->suiButton5->hide();
        Form5->suiButton3->hide();

        mymainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mymainForm));
        QTest::mouseClick(mymainForm->topicButton(button), Qt::LeftButton);
        QVERIFY(Form5->isVisible());
        QCOMPARE(Form5->y(), mymainForm->y());
        QCOMPARE(frontPage(), page);
        QCOMPARE(counter(u"num2"_s), questions + press * colouringQuestions);
        QCOMPARE(!Form5->suiButton5->isHidden(), colouringQuestions > 0);
        QCOMPARE(!Form5->suiButton3->isHidden(), colouringQuestions > 0);
        if (colouringQuestions > 0)
            QCOMPARE(Form5->Image12->y(), 253);
        Form5->close();
    }
}

QTEST_MAIN(TestPractice)
#include "test_practice.moc"
