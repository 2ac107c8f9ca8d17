#include "training/flagrow.h"

#include "services/pictures.h"
#include "toolkit/imagebutton.h"
#include "training/flagshow.h"

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

// Where the ten flags stand on the row.
constexpr std::array<int, 10> FlagLefts{16, 80, 152, 216, 288, 352, 424, 488, 568, 632};

} // namespace

FlagRow::FlagRow(const QString &name, QWidget *parent, const QPoint &topLeft, int firstNumber,
                 int firstPicture)
    : Panel(name, parent, Qt::black)
    , m_firstPicture(firstPicture)
{
    setGeometry(QRect(topLeft, QSize(713, 65)));
    for (int n = 1; n <= 10; ++n) {
        auto *flag =
            new ImageButton(u"suiImageButton"_s + QString::number(firstNumber + n - 1), this);
        flag->setGeometry(FlagLefts.at(size_t(n - 1)), 8, 60, 40);
        flag->hide();
        m_flags.at(size_t(n - 1)) = flag;
    }
    m_flags[0]->setCursor(Qt::PointingHandCursor);
}

void FlagRow::addFlag(int &flagCount, int &flagSet, Pictures &pictures) const
{
    if (flagCount == 10) {
        for (ImageButton *flag : m_flags)
            flag->hide();
        flagCount = 1;
        flagSet = (flagSet + 1) % 6;
    } else {
        ++flagCount;
    }
    const QString flagName = u"flag"_s + QString::number(m_firstPicture + flagSet);
    if (Form13)
        pictures.LoadPictureResource(*Form13->suiImageButton1, flagName);
    for (int n = 1; n <= flagCount; ++n) {
        pictures.LoadPictureResource(*flag(n), flagName);
        flag(n)->show();
    }
}

} // namespace abacolo
