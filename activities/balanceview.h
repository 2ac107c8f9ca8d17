#pragma once

#include <QPixmap>
#include <QWidget>

namespace abacolo {

// A pan balance drawn by our own code: a stand, a beam that leans towards the heavier pan and
// two pans hanging from its ends. The left pan's load is drawn here; what lies on the right
// pan are the activity's weights, placed with rightPanLoad().
class BalanceView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BalanceView)

public:
    BalanceView(const QString &name, QWidget *parent);

    // The left pan's load: weights, or `count` of a picture.
    void setLeftWeights(const QList<int> &weights);
    void setLeftPictures(const QPixmap &picture, int count);
    // -1: the left pan down; 0 level; 1: the right pan down.
    void setLean(int lean);
    int leanSide() const { return m_lean; }

    // Where the n-th of `count` things on the right pan stands (its centre), in the view's
    // coordinates, and the area that counts as the right pan for a drop.
    QPoint rightPanLoad(int n, int count) const;
    QRect rightPanArea() const;

    static constexpr int LoadSide = 64;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointF panCentre(bool right) const;
    QList<QPoint> loadPlaces(bool right, int count) const;

    QList<int> m_leftWeights;
    QPixmap m_picture;
    int m_pictures = 0;
    int m_lean = 0;
};

// Paints a weight with its number, as on the tray and the pans.
void paintWeight(QPainter &painter, const QRectF &area, int value);

} // namespace abacolo
