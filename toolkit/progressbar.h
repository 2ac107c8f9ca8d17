#pragma once

#include <QWidget>

namespace abacolo {

// A progress bar (`suiProgressBar`), here used as a countdown: the filled part shows the
// position between minimum and maximum, growing from the bottom when vertical and from the
// left when horizontal. Its colour turns from green to orange to red as the bar runs low, so
// that a child sees the time running out. The position may leave the range (a countdown can
// go below its minimum); the bar then shows empty or full. No caption is drawn.
class ProgressBar : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgressBar)

public:
    ProgressBar(const QString &name, QWidget *parent, Qt::Orientation orientation = Qt::Horizontal);

    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    void setPosition(int position);
    int position() const { return m_position; }
    Qt::Orientation orientation() const { return m_orientation; }

    // The filled share of the bar, 0 … 1.
    qreal fraction() const;

    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Qt::Orientation m_orientation;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
};

} // namespace abacolo
