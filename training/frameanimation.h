#pragma once

#include <QList>
#include <functional>
#include <span>

class QObject;

namespace abacolo {

class ImageButton;
class Pictures;
class Timer;

// The two-frame animation of the counting game and the trainings: `Timer1` shows frame 1 and
// hands over to `Timer2`, which shows frame 2 and hands back, once a second from creation on,
// also while the window is hidden. The ticks run the window's own handlers, which call tick().
class FrameAnimation
{
public:
    FrameAnimation(QObject *window, Pictures &pictures, std::function<void()> onTimer1,
                   std::function<void()> onTimer2);
    Q_DISABLE_COPY_MOVE(FrameAnimation)

    Timer *timer1() const { return m_timer1; }
    Timer *timer2() const { return m_timer2; }

    // Adds pictures that take the frames.
    void animate(std::span<ImageButton *const> pictures);

    // The tick of the timer of `frame` (1 or 2): the frame of `pictureSet` goes into every
    // picture, then the other timer takes over.
    void tick(int frame, int pictureSet);

private:
    Pictures &m_pictures;
    Timer *m_timer1;
    Timer *m_timer2;
    QList<ImageButton *> m_animated;
};

} // namespace abacolo
