#include "sheets/games4_1.h"

#include "shell/services.h"
#include "shell/datadirectory.h"
#include "toolkit/skin.h"
#include "shell/tables.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TForm5 *Form5 = nullptr;

TForm5::TForm5(Services &services)
    : Form(u"Form5"_s, u"自己练一练"_s, QSize(1018, 733))
    , suiFileTheme1(new FileTheme(this))
    , Table1(new Table(services.session, u"changcolor.db"_s, this))
    , m_services(services)
{
    Table1->setObjectName(u"Table1"_s);
    FormCreate();
}

void TForm5::FormCreate()
{
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

} // namespace abacolo
