#include "training/jianftrain.h"

#include "shell/services.h"
#include "shell/datadirectory.h"
#include "toolkit/skin.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TForm25 *Form25 = nullptr;

TForm25::TForm25(Services &services)
    : Form(u"Form25"_s, u"正负减法练习"_s, QSize(1018, 733))
    , suiFileTheme1(new FileTheme(this))
    , m_services(services)
{
    FormCreate();
}

void TForm25::FormCreate()
{
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

} // namespace abacolo
