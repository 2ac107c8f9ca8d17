#pragma once

#include "services/answerrecorder.h"
#include "toolkit/form.h"
#include "training/frameanimation.h"
#include "training/picturegroups.h"

#include <array>

class QLabel;
class QPushButton;

namespace abacolo {

class FileTheme;
class ImageButton;
class Panel;
class SpeedButton;
class Timer;
class TrackBar;
struct Services;

// The subtraction training "正负减法练习": a group of pictures, "-", a second group, "=" and a
// "?", with a number line from -10 to 10 and its answer buttons below. The difference may be
// negative. A right answer brings the next subtraction at once; a wrong answer runs the
// addition training's wrong-answer step and leaves the subtraction for another try.
class TForm25 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm25)

public:
    explicit TForm25(Services &services);

    QLabel *Label1; // "-"
    QLabel *Label2; // "="

    // The first group, with the internal button that draws it.
    Panel *Panel2;
    ImageButton *suiImageButton1;
    ImageButton *suiImageButton2;
    ImageButton *suiImageButton3;
    ImageButton *suiImageButton4;
    ImageButton *suiImageButton5;
    ImageButton *suiImageButton6;
    ImageButton *suiImageButton7;
    ImageButton *suiImageButton8;
    ImageButton *suiImageButton9;
    ImageButton *suiImageButton10;
    QPushButton *Button1;
    // The second group, with the internal button that draws it.
    Panel *Panel1;
    ImageButton *suiImageButton11;
    ImageButton *suiImageButton12;
    ImageButton *suiImageButton13;
    ImageButton *suiImageButton14;
    ImageButton *suiImageButton15;
    ImageButton *suiImageButton16;
    ImageButton *suiImageButton17;
    ImageButton *suiImageButton18;
    ImageButton *suiImageButton19;
    ImageButton *suiImageButton20;
    QPushButton *Button2; // "0"
    // The "?" where the answer goes.
    Panel *Panel3;
    SpeedButton *SpeedButton11;
    QPushButton *Button3;

    // The number line: -10 … 0 and 0 … 10.
    QLabel *Label3; // "数轴"
    TrackBar *suiTrackBar1;
    TrackBar *suiTrackBar2;

    // Answer buttons "-10" … "-1" and "0" … "10".
    SpeedButton *SpeedButton10;
    SpeedButton *SpeedButton9;
    SpeedButton *SpeedButton8;
    SpeedButton *SpeedButton7;
    SpeedButton *SpeedButton6;
    SpeedButton *SpeedButton5;
    SpeedButton *SpeedButton4;
    SpeedButton *SpeedButton3;
    SpeedButton *SpeedButton2;
    SpeedButton *SpeedButton1;
    SpeedButton *suiButton1;
    SpeedButton *suiButton2;
    SpeedButton *suiButton3;
    SpeedButton *suiButton4;
    SpeedButton *suiButton5;
    SpeedButton *suiButton6;
    SpeedButton *suiButton7;
    SpeedButton *suiButton8;
    SpeedButton *suiButton9;
    SpeedButton *suiButton10;
    SpeedButton *suiButton11;

    Timer *Timer1; // first animation frame; runs from creation
    Timer *Timer2; // second animation frame
    FileTheme *suiFileTheme1;

    // The current subtraction.
    int firstCount = -1; // pictures of the first group; -1 until the first subtraction
    int secondCount = 0; // pictures of the second group
    int pictureSet = 0;  // which kind of picture the animation shows

    // The answer button of v (-10 … 10); the places of the two groups (place 1 first).
    SpeedButton *answerButton(int v) const { return m_answers.at(size_t(v + 10)); }
    const PicturePlaces &firstPlaces() const { return m_first; }
    const PicturePlaces &secondPlaces() const { return m_second; }

    // Event handlers.
    void FormActivate() override;
    void Button1Click();
    void Button2Click();
    void SpeedButton10Click() { judge(-10); }
    void SpeedButton9Click() { judge(-9); }
    void SpeedButton8Click() { judge(-8); }
    void SpeedButton7Click() { judge(-7); }
    void SpeedButton6Click() { judge(-6); }
    void SpeedButton5Click() { judge(-5); }
    void SpeedButton4Click() { judge(-4); }
    void SpeedButton3Click() { judge(-3); }
    void SpeedButton2Click() { judge(-2); }
    void SpeedButton1Click() { judge(-1); }
    void suiButton1Click() { judge(0); }
    void suiButton2Click() { judge(1); }
    void suiButton3Click() { judge(2); }
    void suiButton4Click() { judge(3); }
    void suiButton5Click() { judge(4); }
    void suiButton6Click() { judge(5); }
    void suiButton7Click() { judge(6); }
    void suiButton8Click() { judge(7); }
    void suiButton9Click() { judge(8); }
    void suiButton10Click() { judge(9); }
    void suiButton11Click() { judge(10); }
    void Timer1Timer();
    void Timer2Timer();

    void RightAnswer();

private:
    void FormCreate();
    void judge(int value);

    Services &m_services;
    AnswerRecorder m_answer;
    std::array<SpeedButton *, 21> m_answers{};
    PicturePlaces m_first{};
    PicturePlaces m_second{};
    FrameAnimation m_animation;
};

extern TForm25 *Form25;

} // namespace abacolo
