#include "training/jianftrain.h"

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
#include "toolkit/trackbar.h"
#include "training/addtrain.h"

#include <QLabel>
#include <QList>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace abacolo {

TForm25 *Form25 = nullptr;

namespace {

using Places = std::array<QPoint, 10>;

// Where places 1 … 10 stand within each group's panel.
constexpr Places FirstGroupPlaces{{
    {32, 16}, {32, 88}, {32, 160}, {32, 232}, {32, 304},
    {112, 16}, {112, 88}, {112, 160}, {112, 232}, {112, 304},
}};
constexpr Places SecondGroupPlaces{{
    {32, 16}, {32, 96}, {32, 168}, {32, 232}, {32, 296},
    {112, 16}, {112, 96}, {112, 168}, {112, 232}, {112, 296},
}};

// The answer buttons from "-10" to "10": name and left edge.
struct AnswerButton
{
    const char16_t *name;
    int left;
};
constexpr std::array<AnswerButton, 21> AnswerButtons{{
    {u"SpeedButton10", 112}, {u"SpeedButton9", 161}, {u"SpeedButton8", 200},
    {u"SpeedButton7", 242},  {u"SpeedButton6", 280}, {u"SpeedButton5", 318},
    {u"SpeedButton4", 354},  {u"SpeedButton3", 392}, {u"SpeedButton2", 429},
    {u"SpeedButton1", 466},  {u"suiButton1", 504},   {u"suiButton2", 543},
    {u"suiButton3", 581},    {u"suiButton4", 618},   {u"suiButton5", 656},
    {u"suiButton6", 694},    {u"suiButton7", 732},   {u"suiButton8", 768},
    {u"suiButton9", 804},    {u"suiButton10", 840},  {u"suiButton11", 876},
}};

// Each group's internal button: hidden, one pixel high.
constexpr QRect TriggerGeometry(8, 390, 75, 1);

} // namespace

TForm25::TForm25(Services &services)
    : Form(u"Form25"_s, u"正负减法练习"_s, QSize(1018, 733))
    , suiFileTheme1(new FileTheme(this))
    , m_services(services)
    , m_answer(services.clock, services.answers, u"subtraction"_s)
    , m_animation(this, services.pictures, [this] { Timer1Timer(); }, [this] { Timer2Timer(); })
{
    setPlacement(Placement::MainWindowCentre);

    Label1 = makeLabel(u"Label1"_s, u"-"_s, suiForm1, QPoint(368, 276), uiFont(53, true),
                       Qt::white);
    Label2 = makeLabel(u"Label2"_s, u"="_s, suiForm1, QPoint(648, 276), uiFont(53, true),
                       Qt::white);

    // The two groups.
    Panel2 = makeGroupPanel(u"Panel2"_s, suiForm1, QPoint(120, 116));
    m_first = makePicturePlaces(Panel2, 10, FirstGroupPlaces);
    Button1 = makeTrigger(u"Button1"_s, u"Button1"_s, Panel2, TriggerGeometry);
    onEvent(Button1, &QAbstractButton::clicked, this, [this](auto &&...) { Button1Click(); });
    Panel1 = makeGroupPanel(u"Panel1"_s, suiForm1, QPoint(408, 116));
    m_second = makePicturePlaces(Panel1, 20, SecondGroupPlaces);
    Button2 = makeTrigger(u"Button2"_s, u"0"_s, Panel1, TriggerGeometry);
    onEvent(Button2, &QAbstractButton::clicked, this, [this](auto &&...) { Button2Click(); });

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

    // The "?" where the answer goes; it answers nothing itself.
    Panel3 = makeGroupPanel(u"Panel3"_s, suiForm1, QPoint(696, 116));
    SpeedButton11 = new SpeedButton(u"SpeedButton11"_s, Panel3);
    SpeedButton11->setGeometry(72, 144, 81, 113);
    SpeedButton11->setText(u"?"_s);
    SpeedButton11->setFont(songFont(67));
    SpeedButton11->setCaptionColor(Qt::white);
    // No handler: it does not light up under the mouse as the answer buttons do.
    SpeedButton11->setAttribute(Qt::WA_TransparentForMouseEvents);
    Button3 = makeTrigger(u"Button3"_s, u"Button3"_s, Panel3, TriggerGeometry);

    // The number line: the left bar reads -10 … 0 (its position 10 is 0), the right bar
    // 0 … 10; the two sliders meet at 0. Moving them changes nothing else.
    Label3 = makeLabel(u"Label3"_s, u"数轴"_s, suiForm1, QPoint(96, 530), songFont(20),
                       Qt::white);
    // Each tick stands right above the answer button of its number, so that the buttons
    // read as the line's numbers.
    QList<qreal> negativeTicks;
    QList<qreal> positiveTicks;
    for (int i = 0; i < 21; ++i) {
        const qreal centre = AnswerButtons.at(size_t(i)).left + (i == 0 ? 41 : 30) / 2.0;
        if (i <= 10)
            negativeTicks.append(centre - 96);
        if (i >= 10)
            positiveTicks.append(centre - 510);
    }
    suiTrackBar1 = new TrackBar(u"suiTrackBar1"_s, suiForm1);
    suiTrackBar1->setGeometry(96, 554, 425, 21);
    suiTrackBar1->setRange(0, 10);
    suiTrackBar1->setPosition(10);
    suiTrackBar1->setTrackColor(QColor(0x4f, 0xc3, 0xf7));
    suiTrackBar1->setTickPositions(negativeTicks);
    // Both bars put 0 where the left bar's slider shows whole.
    positiveTicks.first() = suiTrackBar1->x() + suiTrackBar1->tickX(10) - 510;
    suiTrackBar2 = new TrackBar(u"suiTrackBar2"_s, suiForm1);
    suiTrackBar2->setGeometry(510, 554, 409, 21);
    suiTrackBar2->setRange(0, 10);
    suiTrackBar2->setPosition(0);
    suiTrackBar2->setTrackColor(QColor(0xff, 0xb7, 0x4d));
    suiTrackBar2->setTickPositions(positiveTicks);

    // Answer buttons "-10" … "10" under the line.
    using Handler = void (TForm25::*)();
    const std::array<Handler, 21> answerHandlers{
        &TForm25::SpeedButton10Click, &TForm25::SpeedButton9Click, &TForm25::SpeedButton8Click,
        &TForm25::SpeedButton7Click,  &TForm25::SpeedButton6Click, &TForm25::SpeedButton5Click,
        &TForm25::SpeedButton4Click,  &TForm25::SpeedButton3Click, &TForm25::SpeedButton2Click,
        &TForm25::SpeedButton1Click,  &TForm25::suiButton1Click,   &TForm25::suiButton2Click,
        &TForm25::suiButton3Click,    &TForm25::suiButton4Click,   &TForm25::suiButton5Click,
        &TForm25::suiButton6Click,    &TForm25::suiButton7Click,   &TForm25::suiButton8Click,
        &TForm25::suiButton9Click,    &TForm25::suiButton10Click,  &TForm25::suiButton11Click,
    };
    for (int i = 0; i < 21; ++i) {
        const AnswerButton &design = AnswerButtons.at(size_t(i));
        auto *button = new SpeedButton(QString::fromUtf16(design.name), suiForm1);
        button->setGeometry(design.left, 586, i == 0 ? 41 : 30, 30);
        button->setText(QString::number(i - 10));
        button->setFont(songFont(24));
        button->setCaptionColor(Qt::white);
        const Handler handler = answerHandlers.at(size_t(i));
        onEvent(button, &QAbstractButton::clicked, this,
                [this, handler](auto &&...) { (this->*handler)(); });
        m_answers.at(size_t(i)) = button;
    }
    SpeedButton10 = m_answers[0];
    SpeedButton9 = m_answers[1];
    SpeedButton8 = m_answers[2];
    SpeedButton7 = m_answers[3];
    SpeedButton6 = m_answers[4];
    SpeedButton5 = m_answers[5];
    SpeedButton4 = m_answers[6];
    SpeedButton3 = m_answers[7];
    SpeedButton2 = m_answers[8];
    SpeedButton1 = m_answers[9];
    suiButton1 = m_answers[10];
    suiButton2 = m_answers[11];
    suiButton3 = m_answers[12];
    suiButton4 = m_answers[13];
    suiButton5 = m_answers[14];
    suiButton6 = m_answers[15];
    suiButton7 = m_answers[16];
    suiButton8 = m_answers[17];
    suiButton9 = m_answers[18];
    suiButton10 = m_answers[19];
    suiButton11 = m_answers[20];

    // The animation runs from creation on, also while the window is hidden.
    Timer1 = m_animation.timer1();
    Timer2 = m_animation.timer2();
    m_animation.animate(m_first);
    m_animation.animate(m_second);

    FormCreate();
}

void TForm25::FormCreate()
{
    resize(width(), 768);
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

void TForm25::FormActivate()
{
    Button1Click();
    Button2Click();
    suiForm1->setColor(Qt::black);
}

void TForm25::Button1Click()
{
    drawFirstGroup(m_services, m_first, firstCount, pictureSet);
}

void TForm25::Button2Click()
{
    drawSecondGroup(m_services, m_second, firstCount, secondCount);
    m_answer.asked(QString::number(firstCount) + u'-' + QString::number(secondCount));
}

void TForm25::judge(int value)
{
    const bool right = value == firstCount - secondCount;
    m_answer.given(QString::number(value), right);
    if (right) {
        RightAnswer();
    } else {
        // The addition training's wrong-answer sequence, cue first; written after it.
        Form14->WrongAnswer();
        m_answer.report();
    }
}

void TForm25::RightAnswer()
{
    m_services.cues.PlayCue(u"vright"_s);
    m_answer.report();
    Button1Click();
    Button2Click();
}

void TForm25::Timer1Timer()
{
    m_animation.tick(1, pictureSet);
}

void TForm25::Timer2Timer()
{
    m_animation.tick(2, pictureSet);
}

} // namespace abacolo
