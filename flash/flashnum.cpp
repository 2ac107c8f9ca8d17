#include "flash/flashnum.h"

#include "flash/flashnumview.h"
#include "flash/shockwaveflash.h"
#include "services/datadirectory.h"
#include "services/services.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/skin.h"
#include "toolkit/skinframe.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace abacolo {

TForm32 *Form32 = nullptr;

namespace {
constexpr int ButtonLefts[] = {40, 160, 288, 408, 536};
constexpr int ButtonTops[] = {56, 184};
constexpr int LabelTops[] = {128, 264};
constexpr QSize ButtonSize(89, 65);
const char16_t *const DigitNames[] = {u"zero", u"one", u"two", u"three", u"four",
                                      u"five", u"six", u"seven", u"eight", u"nine"};
} // namespace

TForm32::TForm32(Services &services)
    : Form(u"Form32"_s, u"认识数字--0~9 的写法"_s, QSize(657, 335))
    , suiFileTheme1(new FileTheme(this))
    , m_services(services)
{
    setStaysOnTop(true);
    setPlacement(Placement::ScreenCentre);
    suiForm1->setColor(QColor(255, 248, 225));

    for (int digit = 0; digit < 10; ++digit) {
        const int row = digit / 5;
        const int column = digit % 5;
        auto *button = new QPushButton(QString::number(digit), suiForm1);
        button->setObjectName(u"suiButton"_s + QString::number(digit + 1));
        button->setGeometry(QRect(QPoint(ButtonLefts[column], ButtonTops[row]), ButtonSize));
        button->setFont(uiFont(19, true));
        button->setCursor(Qt::PointingHandCursor);
        suiButtons.append(button);

        QLabel *label = makeLabel(u"Label"_s + QString::number(digit + 1),
                                  QString::fromUtf16(DigitNames[digit]), suiForm1, {},
                                  uiFont(16), QColor(0x1b, 0x2a, 0x4a));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(ButtonLefts[column], LabelTops[row], ButtonSize.width(),
                           label->height());
        labels.append(label);
    }
    onEvent(suiButton(1), &QPushButton::clicked, this, [this](bool) { suiButton1Click(); });
    onEvent(suiButton(2), &QPushButton::clicked, this, [this](bool) { suiButton2Click(); });
    onEvent(suiButton(3), &QPushButton::clicked, this, [this](bool) { suiButton3Click(); });
    for (int digit = 3; digit <= 9; ++digit)
        onEvent(suiButton(digit + 1), &QPushButton::clicked, this, [this, digit](bool) { laterDigitClick(digit); });

    FormCreate();
}

void TForm32::FormCreate()
{
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

void TForm32::FormShow()
{
    // The viewer's engine starts now, so that a lesson opens at once.
    Form33->ShockwaveFlash1->holdEngineFor(this);
}

void TForm32::suiButton1Click()
{
    openLesson(0);
}

void TForm32::suiButton2Click()
{
    openLesson(1);
}

void TForm32::suiButton3Click()
{
    openLesson(2);
}

void TForm32::laterDigitClick(int digit)
{
    // An older data folder has lessons for 0, 1 and 2 only: without its file the button
    // stays as it always was, doing nothing.
    if (QFileInfo(lessonPath(digit)).isFile())
        openLesson(digit);
}

QString TForm32::lessonPath(int digit)
{
    return DataDirectory() + u"/numbers/"_s + QString::number(digit) + u"x.swf"_s;
}

void TForm32::openLesson(int digit)
{
    const QString path = lessonPath(digit);
    Form33->ShockwaveFlash1->LoadMovie(path);
    Form33->ShockwaveFlash1->Play();
    hide();
    Form33->Tag = digit;
    Form33->Panel1Caption->setText(u"想一想，数字是怎么写的！"_s);
    Form33->Show();
}

} // namespace abacolo
