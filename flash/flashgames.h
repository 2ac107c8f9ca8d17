#pragma once

#include "toolkit/form.h"

#include <QList>

class QGroupBox;
class QLabel;

namespace abacolo {

class FileTheme;
class ShapeButton;
struct Services;

// The games chooser "智力游戏播放器", the reward for a perfect calculation sheet: ten picture
// buttons, each starting its game in the game player.
class TForm15 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm15)

public:
    explicit TForm15(Services &services);

    FileTheme *suiFileTheme1;
    QGroupBox *GroupBox2;
    // The buttons and labels of games 1 … 10, in game order: RzShapeButton9 … 12, 19,
    // 13 … 16, 20 and Label9 … 12, 19, 13 … 16, 20.
    QList<ShapeButton *> gameButtons;
    QList<QLabel *> gameLabels;

    ShapeButton *RzShapeButton(int number) const;

    // The buttons' click handler: starts game k (1 … 10).
    void RzShapeButtonClick(int game);
    void FormShow() override;

private:
    void FormCreate();

    Services &m_services;
};

extern TForm15 *Form15;

} // namespace abacolo
