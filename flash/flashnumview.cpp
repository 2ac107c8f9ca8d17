#include "flash/flashnumview.h"

#include "flash/flashnum.h"
#include "flash/screenfit.h"
#include "flash/shockwaveflash.h"
#include "services/datadirectory.h"
#include "services/services.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/panel.h"
#include "toolkit/picturefile.h"
#include "toolkit/skinframe.h"
#include "toolkit/speedbutton.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>

using namespace Qt::StringLiterals;

namespace abacolo {

TForm33 *Form33 = nullptr;

namespace {
// The layout as designed for a screen 1024 pixels wide.
constexpr int DesignWidth = 1024;
constexpr int DesignHeight = 768;
} // namespace

TForm33::TForm33(Services &services)
    : Form(u"Form33"_s, u"认识数字"_s, QSize(DesignWidth, DesignHeight))
    , Panel1(new Panel(u"Panel1"_s, suiForm1, QColor(0x00, 0x63, 0x70)))
    , Panel1Caption(new QLabel(Panel1))
    , ShockwaveFlash1(new ShockwaveFlash(u"ShockwaveFlash1"_s, Panel1))
    , Panel2(new Panel(u"Panel2"_s, suiForm1, Qt::black))
    , Panel2Caption(new QLabel(u"看一看、想一想！"_s, Panel2))
    , SpeedButton1(new SpeedButton(u"SpeedButton1"_s, Panel2))
    , m_services(services)
{
    setStaysOnTop(true);
    setPlacement(Placement::MainWindowCentre);

    Panel1Caption->setObjectName(u"Panel1Caption"_s);
    Panel1Caption->setAlignment(Qt::AlignCenter);
    Panel1Caption->setFont(songFont(20));

    // The bar over the lower part of the player, with the speaker button.
    Panel2->setGeometry(1, 679, 1022, 89);
    Panel2->setFont(songFont(20));
    Panel2Caption->setObjectName(u"Panel2Caption"_s);
    Panel2Caption->setAlignment(Qt::AlignCenter);
    QPalette captionPalette = Panel2Caption->palette();
    captionPalette.setColor(QPalette::WindowText, Qt::white);
    Panel2Caption->setPalette(captionPalette);
    Panel2Caption->setGeometry(Panel2->rect());
    SpeedButton1->setGeometry(632, 9, 57, 57);
    SpeedButton1->setGlyph(readPicture(u":/flash/speaker.png"_s));
    SpeedButton1->setCaptionColor(QColor(255, 214, 0));
    SpeedButton1->setToolTip(u"听一听"_s);
    onEvent(SpeedButton1, &SpeedButton::clicked, this, [this](bool) { SpeedButton1Click(); });

    FormCreate();
}

void TForm33::FormCreate()
{
    fitToScreen();
}

void TForm33::fitToScreen()
{
    // The whole layout grows or shrinks with the screen's width, from the width it has now.
    const QSize screen = m_services.display.screenSize();
    const int w = screen.width() > 0 ? screen.width() : DesignWidth;
    const int h = screen.height() > 0 ? screen.height() : DesignHeight;
    if (QSize(w, h) == m_fittedTo)
        return;
    scaleLayout(suiForm1, w, m_fittedTo.width());
    m_fittedTo = QSize(w, h);
    resize(w, h);
    // The bar lies along the bottom edge.
    Panel2->move(Panel2->x(), h - Panel2->height());
    Panel2Caption->setGeometry(Panel2->rect());
    layoutPlayerArea();
}

void TForm33::showEvent(QShowEvent *event)
{
    // The screen is switched after the window set is made, and may change while we run: fit
    // to it as it is now, before the window is placed, and again whenever it changes.
    if (!event->spontaneous()) {
        fitToScreen();
        if (QScreen *screen = this->screen())
            connect(screen, &QScreen::geometryChanged, this, &TForm33::screenChanged,
                    Qt::UniqueConnection);
    }
    Form::showEvent(event);
}

void TForm33::screenChanged()
{
    if (!isVisible())
        return; // fitted when next shown
    fitToScreen();
    keepOnScreen(this);
}

void TForm33::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    layoutPlayerArea();
}

void TForm33::layoutPlayerArea()
{
    // Panel1 fills the client area and the player fills Panel1.
    const int border = suiForm1->skin().borderWidth;
    const int title = suiForm1->titleHeight();
    Panel1->setGeometry(border, title, width() - 2 * border, height() - title - border);
    Panel1Caption->setGeometry(Panel1->rect());
    ShockwaveFlash1->setGeometry(Panel1->rect());
}

void TForm33::FormShow()
{
    keepOnScreen(this);
}

void TForm33::SpeedButton1Click()
{
    m_services.cues.PlayCue(u"numvoice"_s + QString::number(Tag));
}

void TForm33::closeEvent(QCloseEvent *event)
{
    Form::closeEvent(event);
    if (event->isAccepted())
        HandlerGate::guard([this] { FormClose(); });
}

void TForm33::FormClose()
{
    // The player keeps a stopped title movie until the next lesson.
    ShockwaveFlash1->LoadMovie(DataDirectory() + u"/numbers/start.swf"_s);
    ShockwaveFlash1->Stop();
    Form32->Show();
}

} // namespace abacolo
