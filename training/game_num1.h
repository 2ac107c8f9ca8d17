#pragma once

#include "services/answerrecorder.h"
#include "toolkit/form.h"
#include "training/frameanimation.h"

#include <array>

class QPushButton;

namespace abacolo {

class FileTheme;
class FlagRow;
class ImageButton;
class Panel;
class SpeedButton;
class Timer;
struct Services;

// The counting game "数一数有几个": five to ten animated pictures; the child counts them and
// presses the number. A right answer earns a flag and shows the numbered pictures; every
// third wrong answer of the run shows the numbered pictures too. Each question counts one in
// the progress counter "num4".
class TForm2 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm2)

public:
    explicit TForm2(Services &services);

    // Number buttons "0" … "10". (The member `SpeedButton` names the button "1", so the
    // class is written in full here.)
    abacolo::SpeedButton *SpeedButton1;
    abacolo::SpeedButton *SpeedButton;
    abacolo::SpeedButton *SpeedButton2;
    abacolo::SpeedButton *SpeedButton3;
    abacolo::SpeedButton *SpeedButton4;
    abacolo::SpeedButton *SpeedButton5;
    abacolo::SpeedButton *SpeedButton6;
    abacolo::SpeedButton *SpeedButton7;
    abacolo::SpeedButton *SpeedButton8;
    abacolo::SpeedButton *SpeedButton9;
    abacolo::SpeedButton *SpeedButton10;

    // The pictures to count, the two internal buttons, and the flag row.
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
    QPushButton *suiButton14; // "答案": numbers the pictures
    QPushButton *Button1;     // "出题": a new question
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

    Timer *Timer1; // shows the first animation frame; runs from creation
    Timer *Timer2; // shows the second animation frame
    FileTheme *suiFileTheme1;

    // The state of the run.
    int hiddenCount = 0; // pictures hidden in this question; the answer is 10 - hiddenCount
    int wrongCount = 0;  // wrong answers since the answer was last shown for them
    int flagCount = 0;   // flags in the flag row
    int flagSet = 0;     // which flag picture fills the row: "flag1" … "flag6"

    // The number button of k (0 … 10) and the picture n (1 … 10) or flag n (1 … 10).
    abacolo::SpeedButton *numberButton(int k) const { return m_numbers.at(size_t(k)); }
    ImageButton *picture(int n) const { return m_pictures.at(size_t(n - 1)); }
    ImageButton *flag(int n) const;

    // Event handlers.
    void FormActivate() override;
    void Button1Click();
    void SpeedButton1Click() { judge(0); }
    void SpeedButtonClick() { judge(1); }
    void SpeedButton2Click() { judge(2); }
    void SpeedButton3Click() { judge(3); }
    void SpeedButton4Click() { judge(4); }
    void SpeedButton5Click() { judge(5); }
    void SpeedButton6Click() { judge(6); }
    void SpeedButton7Click() { judge(7); }
    void SpeedButton8Click() { judge(8); }
    void SpeedButton9Click() { judge(9); }
    void SpeedButton10Click() { judge(10); }
    void suiButton14Click();
    void Timer1Timer();
    void Timer2Timer();
    void suiImageButton11Click();

    // The answer sequences.
    void RightAnswer();
    void WrongAnswer();

private:
    void FormCreate();
    void judge(int number);

    Services &m_services;
    AnswerRecorder m_answer;
    std::array<abacolo::SpeedButton *, 11> m_numbers{};
    std::array<ImageButton *, 10> m_pictures{};
    FlagRow *m_flagRow = nullptr;
    FrameAnimation m_animation;
};

extern TForm2 *Form2;

} // namespace abacolo
