#include "training/game_num1.h"

#include "shell/datadirectory.h"
#include "shell/pictures.h"
#include "shell/random.h"
#include "shell/services.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/imagebutton.h"
#include "toolkit/panel.h"
#include "toolkit/skin.h"
#include "toolkit/skinframe.h"
#include "toolkit/speedbutton.h"
#include "toolkit/timer.h"
#include "training/flagshow.h"

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

// Where the ten flags stand on `Panel1`.
constexpr std::array<int, 10> FlagLefts{16, 80, 152, 216, 288, 352, 424, 488, 568, 632};

// The kind of picture of each count: set `hiddenCount`, frame 1 or 2.
const std::array<QString, 6> PictureSets{u"t"_s, u"k"_s, u"x"_s, u"f"_s, u"ff"_s, u"h"_s};

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
    const QPixmap start(u":/layout/start.bmp"_s);
    for (int n = 1; n <= 10; ++n) {
        auto *picture = new ImageButton(u"suiImageButton"_s + QString::number(n), Panel2);
        picture->setGeometry(QRect(PicturePositions.at(size_t(n - 1)), QSize(110, 80)));
        picture->setFont(songFont(53));
        picture->setCaptionColor(Qt::red);
        picture->setPicture(start);
        m_pictures.at(size_t(n - 1)) = picture;
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
    suiButton14 = new QPushButton(u"答案"_s, Panel2);
    suiButton14->setObjectName(u"suiButton14"_s);
    suiButton14->setGeometry(8, 8, 75, 25);
    suiButton14->hide();
    onEvent(suiButton14, &QAbstractButton::clicked, this, [this](auto &&...) { suiButton14Click(); });
    Button1 = new QPushButton(u"出题"_s, Panel2);
    Button1->setObjectName(u"Button1"_s);
    Button1->setGeometry(8, 40, 75, 25);
    Button1->hide();
    onEvent(Button1, &QAbstractButton::clicked, this, [this](auto &&...) { Button1Click(); });

    // The flag row, in front of the pictures; its first flag opens the flag window.
    Panel1 = new Panel(u"Panel1"_s, suiForm1, Qt::black);
    Panel1->setGeometry(176, 496, 713, 65);
    Panel1->raise();
    for (int n = 1; n <= 10; ++n) {
        auto *flag = new ImageButton(u"suiImageButton"_s + QString::number(10 + n), Panel1);
        flag->setGeometry(FlagLefts.at(size_t(n - 1)), 8, 60, 40);
        flag->hide();
        m_flags.at(size_t(n - 1)) = flag;
    }
    suiImageButton11 = m_flags[0];
    suiImageButton12 = m_flags[1];
    suiImageButton13 = m_flags[2];
    suiImageButton14 = m_flags[3];
    suiImageButton15 = m_flags[4];
    suiImageButton16 = m_flags[5];
    suiImageButton17 = m_flags[6];
    suiImageButton18 = m_flags[7];
    suiImageButton19 = m_flags[8];
    suiImageButton20 = m_flags[9];
    suiImageButton11->setCursor(Qt::PointingHandCursor);
    onEvent(suiImageButton11, &QAbstractButton::clicked, this,
            [this](auto &&...) { suiImageButton11Click(); });

    // The animation: the two frames take turns once a second, also while the window is hidden.
    Timer1 = new Timer(u"Timer1"_s, this, 1000, true);
    Timer1->setOnTimer([this] { Timer1Timer(); });
    Timer2 = new Timer(u"Timer2"_s, this, 1000, false);
    Timer2->setOnTimer([this] { Timer2Timer(); });

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
}

void TForm2::judge(int number)
{
    if (number == 10 - hiddenCount)
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
    if (flagCount == 10) {
        for (ImageButton *flag : m_flags)
            flag->hide();
        flagCount = 1;
        flagSet = (flagSet + 1) % 6;
    } else {
        ++flagCount;
    }
    const QString flagName = u"flag"_s + QString::number(flagSet + 1);
    if (Form13)
        m_services.pictures.LoadPictureResource(*Form13->suiImageButton1, flagName);
    for (int n = 1; n <= flagCount; ++n) {
        m_services.pictures.LoadPictureResource(*flag(n), flagName);
        flag(n)->show();
    }
    m_services.cues.PlayCue(u"vright"_s);
    suiButton14Click();
    m_services.clock.hold(2000);
    Button1Click();
}

void TForm2::WrongAnswer()
{
    m_services.cues.PlayCue(u"vwrong"_s);
    // Counted over the whole run: every third wrong answer shows the answer.
    if (++wrongCount < 3)
        return;
    wrongCount = 0;
    suiButton14Click();
    m_services.clock.hold(2000);
    Button1Click();
}

void TForm2::showFrame(int frame)
{
    const QString name = PictureSets.at(size_t(hiddenCount)) + QString::number(frame);
    // Hidden pictures take the frame too, so a picture shown again is already current.
    for (ImageButton *picture : m_pictures) {
        m_services.pictures.LoadPictureResource(*picture, name);
        picture->repaint();
    }
}

void TForm2::Timer1Timer()
{
    showFrame(1);
    Timer1->setEnabled(false);
    Timer2->setEnabled(true);
}

void TForm2::Timer2Timer()
{
    showFrame(2);
    Timer2->setEnabled(false);
    Timer1->setEnabled(true);
}

void TForm2::suiImageButton11Click()
{
    Form13->ShowModal();
}

} // namespace abacolo
