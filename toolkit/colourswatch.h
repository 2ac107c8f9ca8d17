#pragma once

#include <QColor>
#include <QWidget>

namespace abacolo {

// A colour swatch (`Shape`): a rounded square filled with one clear colour and outlined, so
// that every colour, white included, stands out on a light window. It only draws: the mouse
// goes through it to whatever lies below.
class ColourSwatch : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColourSwatch)

public:
    ColourSwatch(const QString &name, QWidget *parent, const QColor &colour);

    void setColor(const QColor &colour);
    QColor color() const { return m_colour; }
    // The outline: a darker shade of the colour, gray for very light colours.
    QColor outlineColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

} // namespace abacolo
