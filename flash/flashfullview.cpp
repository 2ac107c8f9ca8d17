#include "flash/flashfullview.h"

#include "flash/flashgames.h"
#include "flash/shockwaveflash.h"
#include "services/datadirectory.h"
#include "services/services.h"
#include "toolkit/handlers.h"
#include "toolkit/skin.h"
#include "toolkit/skinframe.h"

#include <QCloseEvent>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace abacolo {

TForm35 *Form35 = nullptr;

TForm35::TForm35(Services &services)
    : Form(u"Form35"_s, u"智力游戏播放器"_s, QSize(804, 630), ControlBox | CloseBox)
    , suiFileTheme1(new FileTheme(this))
    , ShockwaveFlash1(new ShockwaveFlash(u"ShockwaveFlash1"_s, suiForm1))
    , m_services(services)
{
    setStaysOnTop(true);
    setWindowState(Qt::WindowMaximized);
    const int title = suiForm1->titleHeight();
    ShockwaveFlash1->setGeometry(0, title, width(), height() - title);
    FormCreate();
}

void TForm35::FormCreate()
{
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

void TForm35::FormShow()
{
    // Maximised: the whole work area of the screen, also where no window manager does it.
    if (const QScreen *screen = this->screen())
        setGeometry(screen->availableGeometry());
}

void TForm35::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    // The player fills everything below the title bar.
    const int title = suiForm1->titleHeight();
    ShockwaveFlash1->setGeometry(0, title, width(), height() - title);
}

void TForm35::closeEvent(QCloseEvent *event)
{
    Form::closeEvent(event);
    if (event->isAccepted())
        HandlerGate::guard([this] { FormClose(); });
}

void TForm35::FormClose()
{
    // The player keeps a stopped title movie until the next game.
    ShockwaveFlash1->LoadMovie(DataDirectory() + u"/numbers/start.swf"_s);
    ShockwaveFlash1->Stop();
    Form15->Show();
}

} // namespace abacolo
