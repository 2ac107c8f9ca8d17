#include "training/frameanimation.h"

#include "services/pictures.h"
#include "toolkit/imagebutton.h"
#include "toolkit/timer.h"
#include "training/picturegroups.h"

using namespace Qt::StringLiterals;

namespace abacolo {

FrameAnimation::FrameAnimation(QObject *window, Pictures &pictures,
                               std::function<void()> onTimer1, std::function<void()> onTimer2)
    : m_pictures(pictures)
    , m_timer1(new Timer(u"Timer1"_s, window, 1000, true))
    , m_timer2(new Timer(u"Timer2"_s, window, 1000, false))
{
    m_timer1->setOnTimer(std::move(onTimer1));
    m_timer2->setOnTimer(std::move(onTimer2));
}

void FrameAnimation::animate(std::span<ImageButton *const> pictures)
{
    m_animated.append(QList<ImageButton *>(pictures.begin(), pictures.end()));
}

void FrameAnimation::tick(int frame, int pictureSet)
{
    const QString name = animationFrame(pictureSet, frame);
    // Hidden pictures take the frame too, so a picture shown again is already current.
    for (ImageButton *picture : std::as_const(m_animated)) {
        m_pictures.LoadPictureResource(*picture, name);
        picture->repaint();
    }
    // Handed over only once the frame is in: a frame that cannot be loaded is tried again.
    Timer *ticked = frame == 1 ? m_timer1 : m_timer2;
    Timer *next = frame == 1 ? m_timer2 : m_timer1;
    ticked->setEnabled(false);
    next->setEnabled(true);
}

} // namespace abacolo
