#pragma once

#include "toolkit/skin.h"

#include <QWidget>

namespace abacolo {

// The skinned frame of a window (`suiForm1`): fills the window, paints its colour, draws the
// title bar with the caption and the title buttons, and moves the window when dragged by
// the title bar. The window's controls are its children.
class SkinFrame : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SkinFrame)

public:
    SkinFrame(QWidget *window, const QString &caption, int titleButtons);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    void setColor(const QColor &colour);
    QColor color() const { return m_colour; }
    void setSkin(const Skin &skin);
    const Skin &skin() const { return m_skin; }
    int titleHeight() const { return m_skin.titleHeight; }

    // Where the title buttons sit, in frame coordinates.
    QRect closeBoxRect() const;
    QRect minimiseBoxRect() const;
    QRect maximiseBoxRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    QColor m_colour{232, 232, 232};
    Skin m_skin;
    int m_buttons;
    QPoint m_dragOffset;
    bool m_dragging = false;
    QRect m_pressedBox;
};

} // namespace abacolo
