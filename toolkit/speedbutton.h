#pragma once

#include <QAbstractButton>
#include <QColor>

namespace abacolo {

// A flat button (`SpeedButton`): caption or glyph on a flat face that lights up under the
// mouse. It never takes the keyboard focus.
class SpeedButton : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpeedButton)

public:
    SpeedButton(const QString &name, QWidget *parent);

    void setCaptionColor(const QColor &colour);
    void setFaceColor(const QColor &colour);
    void setGlyph(const QPixmap &glyph);

    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QColor m_captionColour{Qt::black};
    QColor m_faceColour{Qt::transparent};
    QPixmap m_glyph;
    bool m_hovered = false;
};

} // namespace abacolo
