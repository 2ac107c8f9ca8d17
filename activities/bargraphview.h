#pragma once

#include <QList>
#include <QPixmap>
#include <QWidget>

class QVariantAnimation;

namespace abacolo {

// A bar graph drawn by our own code for a child to build: a column a kind, each labelled at
// its foot by the kind's picture, on a scale of whole cells numbered up the side. While the
// graph is built, the empty cells of a column wait as dashed boxes; a click on a column asks
// for one cell more, a click on its top cell for one less, and a column's count stands in red
// above it. Once built, a click anywhere on a column picks it.
class BarGraphView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BarGraphView)

public:
    BarGraphView(const QString &name, QWidget *parent);

    // Empty columns labelled by `pictures`, on a scale of `highest` cells; building.
    void setColumns(const QList<QPixmap> &pictures, int highest);
    int columns() const { return int(m_pictures.size()); }

    void setBar(int column, int cells);
    int bar(int column) const { return m_bars.at(column); }
    void setPicking(bool picking);
    bool picking() const { return m_picking; }
    void setMarked(int column); // -1: none
    int marked() const { return m_marked; }
    // Shakes a column: it takes no more cells.
    void shake(int column);
    bool isShaking() const;

    // Where things stand, in the view's coordinates: a cell of a column (0 the lowest), the
    // column's picture at its foot, and the strip of the view a column takes.
    QRect cellRect(int column, int cell) const;
    QRect labelRect(int column) const;
    QRect columnStrip(int column) const;

    static constexpr int ColumnWidth = 100; // every column's strip, whatever their number

Q_SIGNALS:
    void raised(int column);
    void lowered(int column);
    void picked(int column);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    int columnAt(QPoint at) const;
    double cellHeight() const;
    int baseline() const;
    void paintScale(QPainter &painter) const;
    void paintColumn(QPainter &painter, int column) const;
    void setHovered(QPoint at);

    QList<QPixmap> m_pictures;
    QList<int> m_bars;
    int m_highest = 5;
    bool m_picking = false;
    int m_marked = -1;
    int m_pressed = -1;
    int m_hoveredColumn = -1;
    bool m_hoverOnTop = false; // over the top cell, which a click takes away
    int m_shaking = -1;
    double m_shakeOffset = 0;
    QVariantAnimation *m_shake = nullptr;
};

} // namespace abacolo
