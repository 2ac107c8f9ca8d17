#pragma once

#include <QWidget>
#include <functional>

namespace abacolo {

// A thing on the stage that the child picks up and drags: it follows the pointer while the
// left button is held and, when let go, tells where its centre came to rest. Where it belongs
// then is the activity's business: it stays wherever it is put until the activity moves it.
class Draggable : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Draggable)

public:
    using Content = std::function<void(QPainter &, const QRectF &)>;

    Draggable(const QString &name, QWidget *parent);

    void setContent(Content content);
    bool dragging() const { return m_dragging; }

Q_SIGNALS:
    // Let go with its centre at `centre`, in the parent's coordinates.
    void dropped(QPoint centre);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Content m_content;
    QPoint m_grab;
    bool m_dragging = false;
};

} // namespace abacolo
