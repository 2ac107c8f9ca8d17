#include "statistics/tongji.h"

#include "shell/services.h"
#include "shell/datadirectory.h"
#include "toolkit/skin.h"
#include "shell/tables.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TForm17 *Form17 = nullptr;

TForm17::TForm17(Services &services)
    : Form(u"Form17"_s, u"统计"_s, QSize(1018, 733))
    , suiFileTheme1(new FileTheme(this))
    , Table1(new Table(services.session, u"subtration.DB"_s, this))
    , m_services(services)
{
    Table1->setObjectName(u"Table1"_s);
    FormCreate();
}

void TForm17::FormCreate()
{
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

} // namespace abacolo
