#pragma once

#include "toolkit/form.h"

namespace abacolo {

class FileTheme;
class ShockwaveFlash;
struct Services;

// The game player "智力游戏播放器": a maximised window whose player fills everything below
// the title bar. The games chooser opens it; closing it brings the chooser back.
class TForm35 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm35)

public:
    explicit TForm35(Services &services);

    FileTheme *suiFileTheme1;
    ShockwaveFlash *ShockwaveFlash1;

    void FormShow() override;
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormCreate();

    Services &m_services;
};

extern TForm35 *Form35;

} // namespace abacolo
