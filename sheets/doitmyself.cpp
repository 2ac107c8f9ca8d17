#include "sheets/doitmyself.h"

#include "shell/services.h"
#include "shell/datadirectory.h"
#include "toolkit/skin.h"
#include "shell/tables.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TForm10 *Form10 = nullptr;

TForm10::TForm10(Services &services)
    : Form(u"Form10"_s, u"聪明宝宝算一算"_s, QSize(1018, 686))
    , suiFileTheme1(new FileTheme(this))
    , Table1(new Table(services.session, u"fillblank.db"_s, this))
    , m_services(services)
{
    Table1->setObjectName(u"Table1"_s);
    FormCreate();
}

void TForm10::FormCreate()
{
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

} // namespace abacolo
