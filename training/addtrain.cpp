#include "training/addtrain.h"

#include "services/datadirectory.h"
#include "services/pictures.h"
#include "services/services.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/imagebutton.h"
#include "toolkit/panel.h"
#include "toolkit/skin.h"
#include "toolkit/skinframe.h"
#include "toolkit/speedbutton.h"
#include "toolkit/timer.h"
#include "training/flagrow.h"
#include "training/flagshow.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace abacolo {

TForm14 *Form14 = nullptr;

namespace {

using Places = std::array<QPoint, 10>;

// Where places 1 … 10 stand within each column's panel.
constexpr Places FirstGroupPlaces{{
    {32, 24}, {32, 96}, {32, 168}, {32, 240}, {32, 312},
    {120, 24}, {120, 96}, {120, 168}, {120, 240}, {112, 312},
}};
constexpr Places SecondGroupPlaces{{
    {24, 24}, {24, 96}, {24, 168}, {24, 240}, {24, 312},
    {112, 24}, {112, 96}, {112, 168}, {112, 240}, {112, 312},
}};
constexpr Places AnswerPlaces{{
    {40, 24}, {40, 96}, {40, 168}, {40, 240}, {40, 312},
    {120, 24}, {120, 96}, {120, 168}, {128, 240}, {120, 312},
}};

// Each column's internal button: hidden, one pixel high.
constexpr QRect TriggerGeometry(8, 390, 75, 1);

} // namespace

TForm14::TForm14(Services &services)
    : Form(u"Form14"_s, u"数一数有几个"_s, QSize(1015, 733))
    , suiFileTheme1(new FileTheme(this))
    , m_services(services)
    , m_answer(services.clock, services.answers, u"addition"_s)
    , m_animation(this, services.pictures, [this] { Timer1Timer(); }, [this] { Timer2Timer(); })
{
    setStaysOnTop(true);
    setPlacement(Placement::MainWindowCentre);

    // Answer buttons "0" … "10" across the top.
    using Handler = void (TForm14::*)();
    const std::array<Handler, 11> answerHandlers{
        &TForm14::SpeedButton1Click, &TForm14::suiButton2Click,  &TForm14::suiButton3Click,
        &TForm14::suiButton4Click,   &TForm14::suiButton5Click,  &TForm14::suiButton6Click,
        &TForm14::suiButton7Click,   &TForm14::suiButton8Click,  &TForm14::suiButton9Click,
        &TForm14::suiButton10Click,  &TForm14::suiButton11Click,
    };
    for (int k = 0; k <= 10; ++k) {
        auto *button = new SpeedButton(u"suiButton"_s + QString::number(k + 1), suiForm1);
        const int side = k == 3 ? 81 : 80;
        button->setGeometry(68 + 80 * k, 47, side, side);
        button->setText(QString::number(k));
        button->setFont(songFont(40));
        button->setCaptionColor(Qt::white);
        const Handler handler = answerHandlers.at(size_t(k));
        onEvent(button, &QAbstractButton::clicked, this,
                [this, handler](auto &&...) { (this->*handler)(); });
        m_answers.at(size_t(k)) = button;
    }
    suiButton1 = m_answers[0];
    suiButton2 = m_answers[1];
    suiButton3 = m_answers[2];
    suiButton4 = m_answers[3];
    suiButton5 = m_answers[4];
    suiButton6 = m_answers[5];
    suiButton7 = m_answers[6];
    suiButton8 = m_answers[7];
    suiButton9 = m_answers[8];
    suiButton10 = m_answers[9];
    suiButton11 = m_answers[10];

    Label1 = makeLabel(u"Label1"_s, u"+"_s, suiForm1, QPoint(338, 299), uiFont(53, true),
                       Qt::white);
    Label2 = makeLabel(u"Label2"_s, u"="_s, suiForm1, QPoint(656, 307), uiFont(53, true),
                       Qt::white);

    // The three columns: first group, second group, answer.
    Panel2 = makeGroupPanel(u"Panel2"_s, suiForm1, QPoint(80, 155));
    m_first = makePicturePlaces(Panel2, 10, FirstGroupPlaces);
    Button1 = makeTrigger(u"Button1"_s, u"Button1"_s, Panel2, TriggerGeometry);
    onEvent(Button1, &QAbstractButton::clicked, this, [this](auto &&...) { Button1Click(); });

    Panel1 = makeGroupPanel(u"Panel1"_s, suiForm1, QPoint(400, 155));
    m_second = makePicturePlaces(Panel1, 20, SecondGroupPlaces);
    Button2 = makeTrigger(u"Button2"_s, u"0"_s, Panel1, TriggerGeometry);
    onEvent(Button2, &QAbstractButton::clicked, this, [this](auto &&...) { Button2Click(); });

    Panel3 = makeGroupPanel(u"Panel3"_s, suiForm1, QPoint(720, 155));
    m_sum = makePicturePlaces(Panel3, 30, AnswerPlaces);
    Button3 = makeTrigger(u"Button3"_s, u"Button3"_s, Panel3, TriggerGeometry);
    // The answer pictures carry their numbers from the start.
    for (int place = 1; place <= 10; ++place)
        m_sum.at(size_t(place - 1))->setText(QString::number(place));

    suiImageButton10 = m_first[0];
    suiImageButton9 = m_first[1];
    suiImageButton8 = m_first[2];
    suiImageButton7 = m_first[3];
    suiImageButton6 = m_first[4];
    suiImageButton5 = m_first[5];
    suiImageButton4 = m_first[6];
    suiImageButton3 = m_first[7];
    suiImageButton2 = m_first[8];
    suiImageButton1 = m_first[9];
    suiImageButton20 = m_second[0];
    suiImageButton19 = m_second[1];
    suiImageButton18 = m_second[2];
    suiImageButton17 = m_second[3];
    suiImageButton16 = m_second[4];
    suiImageButton15 = m_second[5];
    suiImageButton14 = m_second[6];
    suiImageButton13 = m_second[7];
    suiImageButton12 = m_second[8];
    suiImageButton11 = m_second[9];
    suiImageButton30 = m_sum[0];
    suiImageButton29 = m_sum[1];
    suiImageButton28 = m_sum[2];
    suiImageButton27 = m_sum[3];
    suiImageButton26 = m_sum[4];
    suiImageButton25 = m_sum[5];
    suiImageButton24 = m_sum[6];
    suiImageButton23 = m_sum[7];
    suiImageButton22 = m_sum[8];
    suiImageButton21 = m_sum[9];

    // The flag row.
    m_flagRow = new FlagRow(u"Panel4"_s, suiForm1, QPoint(120, 568), 31, 7);
    Panel4 = m_flagRow;
    suiImageButton31 = m_flagRow->flag(1);
    suiImageButton32 = m_flagRow->flag(2);
    suiImageButton33 = m_flagRow->flag(3);
    suiImageButton34 = m_flagRow->flag(4);
    suiImageButton35 = m_flagRow->flag(5);
    suiImageButton36 = m_flagRow->flag(6);
    suiImageButton37 = m_flagRow->flag(7);
    suiImageButton38 = m_flagRow->flag(8);
    suiImageButton39 = m_flagRow->flag(9);
    suiImageButton40 = m_flagRow->flag(10);
    onEvent(suiImageButton31, &QAbstractButton::clicked, this,
            [this](auto &&...) { suiImageButton31Click(); });

    // The animation runs from creation on, also while the window is hidden; the third timer
    // waits a second between an answer shown and the next addition.
    Timer1 = m_animation.timer1();
    Timer2 = m_animation.timer2();
    for (const PicturePlaces *column : {&m_first, &m_second, &m_sum})
        m_animation.animate(*column);
    Timer3 = new Timer(u"Timer3"_s, this, 1000, false);
    Timer3->setOnTimer([this] { Timer3Timer(); });

    FormCreate();
}

void TForm14::FormCreate()
{
    // The designed geometry is kept (not maximised): the window covers the 1024 × 768 screen
    // but for its frame, with every control where the layout puts it.
    resize(width(), 768);
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

ImageButton *TForm14::flag(int n) const
{
    return m_flagRow->flag(n);
}

void TForm14::FormActivate()
{
    Button1Click();
    Button2Click();
    suiForm1->setColor(Qt::black);
}

void TForm14::Button1Click()
{
    showFirstPlaces(m_sum, 0);
    drawFirstGroup(m_services, m_first, firstCount, pictureSet);
}

void TForm14::Button2Click()
{
    drawSecondGroup(m_services, m_second, firstCount, secondCount);
    m_answer.asked(QString::number(firstCount) + u'+' + QString::number(secondCount));
}

void TForm14::judge(int number)
{
    const bool right = number == firstCount + secondCount;
    m_answer.given(QString::number(number), right);
    if (right)
        RightAnswer();
    else
        WrongAnswer();
}

void TForm14::ShowSum()
{
    const int sum = firstCount + secondCount;
    // Nothing to show for 0, nor before the first addition.
    if (sum <= 0)
        return;
    showFirstPlaces(m_sum, sum);
    for (int place = 1; place <= sum; ++place) {
        ImageButton *picture = m_sum.at(size_t(place - 1));
        picture->setText(QString::number(place));
        picture->repaint();
        m_services.clock.hold(500);
    }
}

void TForm14::RightAnswer()
{
    m_flagRow->addFlag(flagCount, flagSet, m_services.pictures);
    m_services.counters.IncrementCounter(u"num"_s);
    m_services.cues.PlayCue(u"vright"_s);
    m_answer.report();
    for (ImageButton *picture : m_sum)
        picture->setText(QString());
    ShowSum();
    // A second click within the pause does not lengthen it.
    Timer3->setEnabled(true);
}

void TForm14::WrongAnswer()
{
    // Counted first: if the counter fails, the answer neither sounds nor counts as wrong.
    m_services.counters.IncrementCounter(u"num"_s);
    m_services.cues.PlayCue(u"vwrong"_s);
    m_answer.report();
    // Counted over the whole run: every third wrong answer shows the answer.
    if (++wrongCount < 3)
        return;
    ShowSum();
    wrongCount = 0;
    Timer3->setEnabled(true);
}

void TForm14::Timer1Timer()
{
    m_animation.tick(1, pictureSet);
}

void TForm14::Timer2Timer()
{
    m_animation.tick(2, pictureSet);
}

void TForm14::Timer3Timer()
{
    Button1Click();
    Button2Click();
    Timer3->setEnabled(false);
}

void TForm14::suiImageButton31Click()
{
    Form13->ShowModal();
}

} // namespace abacolo
