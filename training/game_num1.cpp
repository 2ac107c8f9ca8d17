#include "training/game_num1.h"

#include "services/datadirectory.h"
#include "services/pictures.h"
#include "services/random.h"
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
#include "training/picturegroups.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace abacolo {

TForm2 *Form2 = nullptr;

namespace {

// Where the ten pictures stand on `Panel2`.
constexpr std::array<QPoint, 10> PicturePositions{{
    {152, 248}, {152, 144}, {280, 248}, {280, 144}, {384, 200},
    {528, 248}, {520, 144}, {648, 248}, {648, 144}, {768, 200},
}};

// The number buttons' names: "0" is `SpeedButton1`, "1" is `SpeedButton`, k ≥ 2 is
// `SpeedButton<k>`.
QString numberButtonName(int k)
{
    if (k == 0)
        return u"SpeedButton1"_s;
    if (k == 1)
        return u"SpeedButton"_s;
    return u"SpeedButton"_s + QString::number(k);
}

} // namespace

TForm2::TForm2(Services &services)
    : Form(u"Form2"_s, u"数一数有几个"_s, QSize(1018, 733))
    , suiFileTheme1(new FileTheme(this))
    , m_services(services)
    , m_answer(services.clock, services.answers, u"counting"_s)
    , m_animation(this, services.pictures, [this] { Timer1Timer(); }, [this] { Timer2Timer(); })
{
    setStaysOnTop(true);
    setPlacement(Placement::MainWindowCentre);

    // Number buttons "0" … "10" in one row.
    using Handler = void (TForm2::*)();
    const std::array<Handler, 11> numberHandlers{
        &TForm2::SpeedButton1Click, &TForm2::SpeedButtonClick,  &TForm2::SpeedButton2Click,
        &TForm2::SpeedButton3Click, &TForm2::SpeedButton4Click, &TForm2::SpeedButton5Click,
        &TForm2::SpeedButton6Click, &TForm2::SpeedButton7Click, &TForm2::SpeedButton8Click,
        &TForm2::SpeedButton9Click, &TForm2::SpeedButton10Click,
    };
    for (int k = 0; k <= 10; ++k) {
        auto *button = new abacolo::SpeedButton(numberButtonName(k), suiForm1);
        button->setGeometry(64 + 80 * k, 40, 80, 80);
        button->setText(QString::number(k));
        button->setFont(songFont(47));
        button->setCaptionColor(Qt::white);
        const Handler handler = numberHandlers.at(size_t(k));
        onEvent(button, &QAbstractButton::clicked, this, [this, handler](auto &&...) {
            (this->*handler)();
        });
        m_numbers.at(size_t(k)) = button;
    }
    SpeedButton1 = m_numbers[0];
    SpeedButton = m_numbers[1];
    SpeedButton2 = m_numbers[2];
    SpeedButton3 = m_numbers[3];
    SpeedButton4 = m_numbers[4];
    SpeedButton5 = m_numbers[5];
    SpeedButton6 = m_numbers[6];
    SpeedButton7 = m_numbers[7];
    SpeedButton8 = m_numbers[8];
    SpeedButton9 = m_numbers[9];
    SpeedButton10 = m_numbers[10];

    // The pictures to count, with the numbers of the answer drawn over them in red.
    Panel2 = new Panel(u"Panel2"_s, suiForm1, Qt::black);
    Panel2->setGeometry(-3, 144, 1292, 633);
    for (int n = 1; n <= 10; ++n) {
        m_pictures.at(size_t(n - 1)) =
            makeCountedPicture(u"suiImageButton"_s + QString::number(n), Panel2,
                               QRect(PicturePositions.at(size_t(n - 1)), QSize(110, 80)));
    }
    suiImageButton1 = m_pictures[0];
    suiImageButton2 = m_pictures[1];
    suiImageButton3 = m_pictures[2];
    suiImageButton4 = m_pictures[3];
    suiImageButton5 = m_pictures[4];
    suiImageButton6 = m_pictures[5];
    suiImageButton7 = m_pictures[6];
    suiImageButton8 = m_pictures[7];
    suiImageButton9 = m_pictures[8];
    suiImageButton10 = m_pictures[9];

    // The window's internal operations; the user never sees these buttons.
    suiButton14 = makeTrigger(u"suiButton14"_s, u"答案"_s, Panel2, QRect(8, 8, 75, 25));
    onEvent(suiButton14, &QAbstractButton::clicked, this, [this](auto &&...) { suiButton14Click(); });
    Button1 = makeTrigger(u"Button1"_s, u"出题"_s, Panel2, QRect(8, 40, 75, 25));
    onEvent(Button1, &QAbstractButton::clicked, this, [this](auto &&...) { Button1Click(); });

    // The flag row, in front of the pictures; its first flag opens the flag window.
    m_flagRow = new FlagRow(u"Panel1"_s, suiForm1, QPoint(176, 496), 11, 1);
    Panel1 = m_flagRow;
    Panel1->raise();
    suiImageButton11 = m_flagRow->flag(1);
    suiImageButton12 = m_flagRow->flag(2);
    suiImageButton13 = m_flagRow->flag(3);
    suiImageButton14 = m_flagRow->flag(4);
    suiImageButton15 = m_flagRow->flag(5);
    suiImageButton16 = m_flagRow->flag(6);
    suiImageButton17 = m_flagRow->flag(7);
    suiImageButton18 = m_flagRow->flag(8);
    suiImageButton19 = m_flagRow->flag(9);
    suiImageButton20 = m_flagRow->flag(10);
    onEvent(suiImageButton11, &QAbstractButton::clicked, this,
            [this](auto &&...) { suiImageButton11Click(); });

    // The animation: the two frames take turns once a second, also while the window is hidden.
    Timer1 = m_animation.timer1();
    Timer2 = m_animation.timer2();
    m_animation.animate(m_pictures);

    FormCreate();
}

void TForm2::FormCreate()
{
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

void TForm2::FormActivate()
{
    // The frame turns black even when the question cannot be drawn: on the light frame the
    // white numbers of the buttons could not be read.
    struct Blacken
    {
        SkinFrame *frame;
        ~Blacken() { frame->setColor(Qt::black); }
    } blacken{suiForm1};
    Button1Click();
}

void TForm2::Button1Click()
{
    // Counted first: if the counter fails, the question on screen stays as it is.
    m_services.counters.IncrementCounter(u"num4"_s);
    for (ImageButton *picture : m_pictures) {
        picture->setText(QString());
        picture->show();
    }
    m_services.random.seed(m_services.clock.secondsNow());
    hiddenCount = m_services.random.below(6);
    // The last hiddenCount pictures go, so the visible ones always run from the first on.
    for (int n = 11 - hiddenCount; n <= 10; ++n)
        picture(n)->hide();
    m_answer.asked(u"数一数 "_s + QString::number(10 - hiddenCount));
}

void TForm2::judge(int number)
{
    const bool right = number == 10 - hiddenCount;
    m_answer.given(QString::number(number), right);
    if (right)
        RightAnswer();
    else
        WrongAnswer();
}

void TForm2::suiButton14Click()
{
    for (int n = 1; n <= 10 - hiddenCount; ++n) {
        m_services.clock.hold(500);
        picture(n)->setText(QString::number(n));
        picture(n)->repaint();
    }
}

void TForm2::RightAnswer()
{
    m_flagRow->addFlag(flagCount, flagSet, m_services.pictures);
    m_services.cues.PlayCue(u"vright"_s);
    m_answer.report();
    suiButton14Click();
    m_services.clock.hold(2000);
    Button1Click();
}

void TForm2::WrongAnswer()
{
    m_services.cues.PlayCue(u"vwrong"_s);
    m_answer.report();
    // Counted over the whole run: every third wrong answer shows the answer.
    if (++wrongCount < 3)
        return;
    wrongCount = 0;
    suiButton14Click();
    m_services.clock.hold(2000);
    Button1Click();
}

void TForm2::Timer1Timer()
{
    m_animation.tick(1, hiddenCount);
}

void TForm2::Timer2Timer()
{
    m_animation.tick(2, hiddenCount);
}

ImageButton *TForm2::flag(int n) const
{
    return m_flagRow->flag(n);
}

void TForm2::suiImageButton11Click()
{
    Form13->ShowModal();
}

} // namespace abacolo
