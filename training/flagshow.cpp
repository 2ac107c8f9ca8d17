#include "training/flagshow.h"

#include "services/services.h"
#include "toolkit/imagebutton.h"
#include "toolkit/skinframe.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TForm13 *Form13 = nullptr;

TForm13::TForm13(Services &)
    : Form(u"Form13"_s, u"图片"_s, QSize(407, 300))
    , suiImageButton1(new ImageButton(u"suiImageButton1"_s, suiForm1))
{
    setStaysOnTop(true);
    setPlacement(Placement::ScreenCentre);
    suiForm1->setColor(QColor(255, 248, 225));
    suiImageButton1->setGeometry(0, 30, 401, 265);
    suiImageButton1->setFocusPolicy(Qt::NoFocus);
}

} // namespace abacolo
