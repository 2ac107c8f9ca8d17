#include "flash/flashnum.h"

#include "shell/services.h"
#include "shell/datadirectory.h"
#include "toolkit/skin.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TForm32 *Form32 = nullptr;

TForm32::TForm32(Services &services)
    : Form(u"Form32"_s, u"认识数字--0~9 的写法"_s, QSize(657, 335))
    , suiFileTheme1(new FileTheme(this))
    , m_services(services)
{
    FormCreate();
}

void TForm32::FormCreate()
{
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

} // namespace abacolo
