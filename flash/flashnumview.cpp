#include "flash/flashnumview.h"

#include "shell/services.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TForm33 *Form33 = nullptr;

TForm33::TForm33(Services &services)
    : Form(u"Form33"_s, u"认识数字"_s, QSize(800, 600))
    , m_services(services)
{
    FormCreate();
}

void TForm33::FormCreate()
{
    // This window has no skin component.
}

} // namespace abacolo
