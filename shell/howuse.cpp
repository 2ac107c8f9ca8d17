#include "shell/howuse.h"

#include "shell/services.h"
#include "shell/datadirectory.h"
#include "toolkit/skin.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TForm6 *Form6 = nullptr;

TForm6::TForm6(Services &services)
    : Form(u"Form6"_s, u"如何使用软件"_s, QSize(804, 594))
    , suiFileTheme1(new FileTheme(this))
    , m_services(services)
{
    FormCreate();
}

void TForm6::FormCreate()
{
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

} // namespace abacolo
