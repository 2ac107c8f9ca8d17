#include "training/game_num1.h"

#include "shell/services.h"
#include "shell/datadirectory.h"
#include "toolkit/skin.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TForm2 *Form2 = nullptr;

TForm2::TForm2(Services &services)
    : Form(u"Form2"_s, u"数一数有几个"_s, QSize(1018, 733))
    , suiFileTheme1(new FileTheme(this))
    , m_services(services)
{
    FormCreate();
}

void TForm2::FormCreate()
{
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

} // namespace abacolo
