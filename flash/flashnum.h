#pragma once

#include "toolkit/form.h"

#include <QList>

class QLabel;
class QPushButton;

namespace abacolo {

class FileTheme;
struct Services;

// The number-writing chooser "认识数字--0~9 的写法": ten digit buttons, each opening its
// lesson in the full-screen viewer. The lessons for 0, 1 and 2 always open; 3 … 9 open when
// their lesson file is in numbers/, and otherwise the button does nothing.
class TForm32 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm32)

public:
    explicit TForm32(Services &services);

    FileTheme *suiFileTheme1;
    // suiButton1 … suiButton10, captioned "0" … "9", and the English names under them.
    QList<QPushButton *> suiButtons;
    QList<QLabel *> labels;

    QPushButton *suiButton(int number) const { return suiButtons.at(number - 1); }

    void suiButton1Click();
    void suiButton2Click();
    void suiButton3Click();
    // suiButton4 … suiButton10 (digits 3 … 9).
    void laterDigitClick(int digit);
    void FormShow() override;

private:
    void FormCreate();
    void openLesson(int digit);
    static QString lessonPath(int digit);

    Services &m_services;
};

extern TForm32 *Form32;

} // namespace abacolo
