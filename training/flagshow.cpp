#include "training/flagshow.h"

#include "shell/services.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TForm13 *Form13 = nullptr;

TForm13::TForm13(Services &services)
    : Form(u"Form13"_s, u"图片"_s, QSize(407, 300))
    , m_services(services)
{
    FormCreate();
}

void TForm13::FormCreate()
{
    // This window has no skin component.
}

} // namespace abacolo
