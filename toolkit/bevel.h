#pragma once

#include <QColor>
#include <QWidget>

namespace abacolo {

// A box frame (`Bevel`): a rounded frame with a faint fill, marking a place on a page. It
// only draws: the mouse goes through it to whatever lies below.
class Bevel : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Bevel)

public:
    Bevel(const QString &name, QWidget *parent, const QColor &frame = QColor(255, 214, 90));

    void setFrameColor(const QColor &colour);
    QColor frameColor() const { return m_frame; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_frame;
};

} // namespace abacolo
