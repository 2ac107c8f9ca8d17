#pragma once

#include "toolkit/form.h"

class QLabel;

namespace abacolo {

class Panel;
class ShockwaveFlash;
class SpeedButton;
struct Services;

// The number-writing viewer "认识数字": plays the lesson movie of one digit over the whole
// screen, with a speaker button in the bar at the bottom that says the digit aloud. The
// digit chooser opens it; closing it brings the chooser back.
class TForm33 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm33)

public:
    explicit TForm33(Services &services);

    Panel *Panel1;
    QLabel *Panel1Caption;     // the caption of Panel1 (it lies under the player)
    ShockwaveFlash *ShockwaveFlash1;
    Panel *Panel2;
    QLabel *Panel2Caption;     // "看一看、想一想！"
    SpeedButton *SpeedButton1;

    // The current digit, set by the chooser before every showing.
    int Tag = 0;

    void SpeedButton1Click();
    void FormShow() override;
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void fitToScreen();
    void screenChanged();
    void layoutPlayerArea();

    Services &m_services;
    QSize m_fittedTo{1024, 768}; // the screen size the layout is scaled for
};

extern TForm33 *Form33;

} // namespace abacolo
