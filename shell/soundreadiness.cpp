#include "shell/soundreadiness.h"

#include "services/soundcues.h"
#include "toolkit/firstframe.h"

#include <QEvent>
#include <QWidget>

namespace abacolo {

namespace {

class FirstWindowWatch : public QObject
{
public:
    FirstWindowWatch(const QList<QObject *> &windows, QObject *mainWindow, SoundCues &cues)
        : QObject(mainWindow)
        , m_cues(cues)
    {
        for (QObject *member : windows) {
            if (member != mainWindow && member->isWidgetType()) {
                member->installEventFilter(this);
                m_watched.append(member);
            }
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            for (QObject *member : std::as_const(m_watched))
                member->removeEventFilter(this);
            m_watched.clear();
            SoundCues &cues = m_cues;
            afterFirstFrame(static_cast<QWidget *>(watched), [&cues] { cues.prepare(); });
            deleteLater();
        }
        return false;
    }

private:
    SoundCues &m_cues;
    QList<QObject *> m_watched;
};

} // namespace

void prepareSoundWithFirstWindow(const QList<QObject *> &windows, QObject *mainWindow, SoundCues &cues)
{
    new FirstWindowWatch(windows, mainWindow, cues);
}

} // namespace abacolo
