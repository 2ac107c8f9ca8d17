#include "flash/flashgames.h"

#include "flash/flashfullview.h"
#include "flash/shockwaveflash.h"
#include "services/datadirectory.h"
#include "services/services.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/shapebutton.h"
#include "toolkit/skin.h"
#include "toolkit/skinframe.h"

#include <QGroupBox>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace abacolo {

TForm15 *Form15 = nullptr;

namespace {

struct GameButton
{
    int button;           // RzShapeButton<n> and Label<n>
    const char16_t *name;
};

// Games 1 … 10 in order: two rows of five.
constexpr GameButton Games[] = {
    {9, u"游戏一"}, {10, u"游戏二"}, {11, u"游戏三"}, {12, u"游戏四"}, {19, u"游戏五"},
    {13, u"游戏六"}, {14, u"游戏七"}, {15, u"游戏八"}, {16, u"游戏九"}, {20, u"游戏十"},
};
constexpr int ButtonLefts[] = {16, 128, 237, 352, 464};
constexpr int ButtonTops[] = {56, 176};
constexpr int LabelTops[] = {128, 248};
constexpr int ButtonSize = 64;

} // namespace

TForm15::TForm15(Services &services)
    : Form(u"Form15"_s, u"智力游戏播放器"_s, QSize(564, 365))
    , suiFileTheme1(new FileTheme(this))
    , GroupBox2(new QGroupBox(u"能力培养三"_s, suiForm1))
    , m_services(services)
{
    setStaysOnTop(true);
    setPlacement(Placement::ScreenCentre);
    suiForm1->setColor(QColor(255, 248, 225));

    GroupBox2->setObjectName(u"GroupBox2"_s);
    GroupBox2->setGeometry(8, 40, 545, 305);
    GroupBox2->setFont(uiFont(14, true));
    GroupBox2->setStyleSheet(
        u"QGroupBox#GroupBox2 { background: #fffdf5; border: 2px solid #ffb300;"
        " border-radius: 12px; margin-top: 12px; }"
        "QGroupBox#GroupBox2::title { subcontrol-origin: margin; left: 14px; padding: 0 6px;"
        " color: #e65100; }"_s);

    for (int game = 1; game <= 10; ++game) {
        const GameButton &entry = Games[game - 1];
        const int row = (game - 1) / 5;
        const int column = (game - 1) % 5;
        auto *button = new ShapeButton(u"RzShapeButton"_s + QString::number(entry.button),
                                       GroupBox2);
        button->setGeometry(ButtonLefts[column], ButtonTops[row], ButtonSize, ButtonSize);
        button->setPictureFile(u":/flash/game"_s + QString::number(game) + u".png"_s);
        onEvent(button, &ShapeButton::clicked, this, [this, game](bool) { RzShapeButtonClick(game); });
        gameButtons.append(button);

        QLabel *label = makeLabel(u"Label"_s + QString::number(entry.button),
                                  QString::fromUtf16(entry.name), GroupBox2, {}, uiFont(15),
                                  QColor(0x1b, 0x2a, 0x4a));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(ButtonLefts[column] - 8, LabelTops[row], ButtonSize + 16,
                           label->height());
        gameLabels.append(label);
    }

    FormCreate();
}

void TForm15::FormCreate()
{
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

ShapeButton *TForm15::RzShapeButton(int number) const
{
    for (int i = 0; i < 10; ++i) {
        if (Games[i].button == number)
            return gameButtons.at(i);
    }
    return nullptr;
}

void TForm15::FormShow()
{
    // The player's engine starts now, so that a game opens at once.
    Form35->ShockwaveFlash1->holdEngineFor(this);
}

void TForm15::RzShapeButtonClick(int game)
{
    const QString path = DataDirectory() + u"/numbers/fgames/"_s + QString::number(game)
        + u".swf"_s;
    Form35->ShockwaveFlash1->LoadMovie(path);
    Form35->ShockwaveFlash1->Play();
    hide();
    Form35->Show();
}

} // namespace abacolo
