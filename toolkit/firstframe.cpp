#include "toolkit/firstframe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace abacolo {

namespace {

class FirstFrameWatch : public QObject
{
public:
    FirstFrameWatch(QWindow *window, std::function<void()> work)
        : QObject(window)
        , m_work(std::move(work))
    {
        if (window->isExposed())
            runSoon();
        else
            window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            runSoon();
        }
        return false;
    }

private:
    void runSoon()
    {
        QTimer::singleShot(0, this, [this] {
            m_work();
            deleteLater();
        });
    }

    std::function<void()> m_work;
};

} // namespace

void afterFirstFrame(QWidget *window, std::function<void()> work)
{
    // A window shown has its native window; one not yet shown runs the work in the next turn.
    if (QWindow *handle = window->windowHandle())
        new FirstFrameWatch(handle, std::move(work));
    else
        QTimer::singleShot(0, window, std::move(work));
}

} // namespace abacolo
