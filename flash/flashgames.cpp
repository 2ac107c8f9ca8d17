#include "flash/flashgames.h"

#include "shell/services.h"
#include "shell/datadirectory.h"
#include "toolkit/skin.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TForm15 *Form15 = nullptr;

TForm15::TForm15(Services &services)
    : Form(u"Form15"_s, u"智力游戏播放器"_s, QSize(564, 365))
    , suiFileTheme1(new FileTheme(this))
    , m_services(services)
{
    FormCreate();
}

void TForm15::FormCreate()
{
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

} // namespace abacolo
