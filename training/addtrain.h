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
class FlagRow;
class ImageButton;
class Panel;
class SpeedButton;
class Timer;
struct Services;

// The addition training: a group of pictures, "+", a second group, "=" and an answer column.
// The child presses the sum (at most 10). A right answer earns a flag, fills the answer column
// with numbered pictures and a second later brings the next addition; every third wrong answer
// of the run shows the answer column too. Every answer counts one in the progress counter
// "num". The subtraction training runs this window's wrong-answer step for its own wrong
// answers, whether this window is on screen or not.
class TForm14 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm14)

public:
    explicit TForm14(Services &services);

    // Answer buttons "0" … "10".
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

    QLabel *Label1; // "+"
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
    // The answer column.
    Panel *Panel3;
    ImageButton *suiImageButton21;
    ImageButton *suiImageButton22;
    ImageButton *suiImageButton23;
    ImageButton *suiImageButton24;
    ImageButton *suiImageButton25;
    ImageButton *suiImageButton26;
    ImageButton *suiImageButton27;
    ImageButton *suiImageButton28;
    ImageButton *suiImageButton29;
    ImageButton *suiImageButton30;
    QPushButton *Button3;
    // The flag row; its first flag opens the flag window.
    Panel *Panel4;
    ImageButton *suiImageButton31;
    ImageButton *suiImageButton32;
    ImageButton *suiImageButton33;
    ImageButton *suiImageButton34;
    ImageButton *suiImageButton35;
    ImageButton *suiImageButton36;
    ImageButton *suiImageButton37;
    ImageButton *suiImageButton38;
    ImageButton *suiImageButton39;
    ImageButton *suiImageButton40;

    Timer *Timer1; // first animation frame; runs from creation
    Timer *Timer2; // second animation frame
    Timer *Timer3; // the pause before the next addition
    FileTheme *suiFileTheme1;

    // The state of the run.
    int firstCount = -1; // pictures of the first group; -1 until the first addition
    int secondCount = 0; // pictures of the second group
    int pictureSet = 0;  // which kind of picture the animation shows
    int wrongCount = 0;  // wrong answers since the answer was last shown for them
    int flagCount = 0;   // flags in the flag row
    int flagSet = 0;     // which flag picture fills the row: "flag7" … "flag12"

    // The answer button of k (0 … 10); the places of the three columns (place 1 first);
    // flag n (1 … 10).
    SpeedButton *answerButton(int k) const { return m_answers.at(size_t(k)); }
    const PicturePlaces &firstPlaces() const { return m_first; }
    const PicturePlaces &secondPlaces() const { return m_second; }
    const PicturePlaces &answerPlaces() const { return m_sum; }
    ImageButton *flag(int n) const;

    // Event handlers.
    void FormActivate() override;
    void Button1Click();
    void Button2Click();
    void SpeedButton1Click() { judge(0); }
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
    void Timer3Timer();
    void suiImageButton31Click();

    // The answer sequences. WrongAnswer also serves the subtraction training.
    void ShowSum();
    void RightAnswer();
    void WrongAnswer();

private:
    void FormCreate();
    void judge(int number);

    Services &m_services;
    AnswerRecorder m_answer;
    std::array<SpeedButton *, 11> m_answers{};
    PicturePlaces m_first{};
    PicturePlaces m_second{};
    PicturePlaces m_sum{};
    FlagRow *m_flagRow = nullptr;
    FrameAnimation m_animation;
};

extern TForm14 *Form14;

} // namespace abacolo
