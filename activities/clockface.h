#pragma once

#include <QWidget>

namespace abacolo {

// An analogue clock face drawn by our own code: twelve numbers, a short hour hand and a long
// minute hand. When it is settable, the long hand can be taken with the mouse and turned; the
// short hand goes along as on a real clock.
class ClockFace : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClockFace)

public:
    ClockFace(const QString &name, QWidget *parent);

    // Minutes since twelve o'clock (0 … 719).
    void setTime(int sinceTwelve);
    int time() const { return m_sinceTwelve; }

    void setSettable(bool settable);
    bool settable() const { return m_settable; }

    // Where the tip of the long hand is, in the face's coordinates.
    QPoint minuteHandTip() const;
    // The point at `angle` degrees clockwise from twelve, `share` of the radius out.
    QPointF pointAt(double angle, double share) const;

Q_SIGNALS:
    void timeChanged(int sinceTwelve);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    double radius() const;
    bool nearMinuteHand(const QPointF &at) const;

    int m_sinceTwelve = 0;
    bool m_settable = false;
    bool m_dragging = false;
};

} // namespace abacolo
