#pragma once

#include "toolkit/panel.h"

#include <array>

namespace abacolo {

class ImageButton;
class Pictures;

// The reward flag row of the counting game and the addition training: ten flags on a black
// panel, one more shown for each right answer. The first flag is the one to click for the
// flag window, so it shows the hand cursor; the window connects its own handler to it.
class FlagRow : public Panel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FlagRow)

public:
    // A row named `name` at `topLeft` of `parent`, its flags "suiImageButton<firstNumber>"
    // onwards, hidden; its six pictures are "flag<firstPicture>" … "flag<firstPicture + 5>".
    FlagRow(const QString &name, QWidget *parent, const QPoint &topLeft, int firstNumber,
            int firstPicture);

    // Flag n (1 … 10).
    ImageButton *flag(int n) const { return m_flags.at(size_t(n - 1)); }

    // One more flag: the row's state is the window's `flagCount` and `flagSet`. After a full
    // row the flags go and a row of the next picture starts; the picture goes into the shown
    // flags and into the flag window.
    void addFlag(int &flagCount, int &flagSet, Pictures &pictures) const;

private:
    std::array<ImageButton *, 10> m_flags{};
    int m_firstPicture;
};

} // namespace abacolo
