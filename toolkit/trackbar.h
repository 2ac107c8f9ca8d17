#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

namespace abacolo {

// A horizontal track bar (`suiTrackBar`): a groove with a tick at every step and a slider the
// user can drag or click to a step. The ticks are spread evenly over the bar, or stand where
// the window puts them (above a row of number buttons, say), so that two bars side by side
// can make one number line. The background is left transparent.
class TrackBar : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrackBar)

public:
    TrackBar(const QString &name, QWidget *parent);

    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // Kept within the range.
    void setPosition(int position);
    int position() const { return m_position; }

    // Where the ticks of minimum … maximum stand, in the bar's coordinates, left to right;
    // a list of another length spreads them evenly. Ticks stay far enough from the ends for
    // the slider to show whole.
    void setTickPositions(const QList<qreal> &xs);
    // The colour of the groove; the ticks are white.
    void setTrackColor(const QColor &colour);

    // Where the tick of a position stands, in the bar's coordinates.
    qreal tickX(int position) const;
    // The position whose tick is nearest to x.
    int positionAt(qreal x) const;

    QSize sizeHint() const override { return size(); }

Q_SIGNALS:
    void positionChanged(int position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    int m_minimum = 0;
    int m_maximum = 10;
    int m_position = 0;
    QList<qreal> m_ticks;
    QColor m_track{0x4f, 0xc3, 0xf7};
};

} // namespace abacolo
