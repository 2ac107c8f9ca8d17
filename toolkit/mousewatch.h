#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace abacolo {

// Takes the mouse presses, moves and releases that reach one control and reports them as
// signals, with the pointer's position within that control, so that handlers can be connected
// to them like to any other event. The events stop there: they reach neither the control's own
// mouse handling nor its parent. While a button is held, the pressed control keeps receiving
// the moves, wherever the pointer goes.
class MouseWatch : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MouseWatch)

public:
    // Watches `control`; the watch belongs to it.
    explicit MouseWatch(QWidget *control);

    QWidget *control() const { return m_control; }

Q_SIGNALS:
    void pressed(QPoint at, Qt::MouseButton button);
    void moved(QPoint at);
    void released(QPoint at, Qt::MouseButton button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_control;
};

} // namespace abacolo
