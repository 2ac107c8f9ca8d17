#pragma once

#include "activities/halfrules.h"

#include <QWidget>

namespace abacolo {

// A shape with lines across it; the child clicks the line to cut along. A marked line is drawn
// bold, and when it halves the shape the two halves take two colours.
class CutView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CutView)

public:
    CutView(const QString &name, QWidget *parent);

    void setCut(ShapeKind shape, const QList<CutLine> &lines);
    void setMarkedLine(int line); // -1: none
    int markedLine() const { return m_marked; }

    // Where line i crosses the middle of the shape, in the view's coordinates: a point on it.
    QPoint pointOnLine(int i) const;
    // The line nearest to `at` if it is near enough to mean it, else -1.
    int lineAt(const QPointF &at) const;

Q_SIGNALS:
    void lineClicked(int line);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRectF shapeBounds() const;
    QLineF lineGeometry(int i) const;

    ShapeKind m_shape = ShapeKind::Circle;
    QList<CutLine> m_lines;
    int m_marked = -1;
};

} // namespace abacolo
