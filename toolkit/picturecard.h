#pragma once

#include "toolkit/picturebox.h"

namespace abacolo {

// A picture control that shows its picture whole on a rounded card: the picture is scaled to
// fit the control without distortion and the card around it takes the colour of the picture's
// corner, so that a tall or narrow picture keeps its shape in a square control.
class PictureCard : public PictureBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureCard)

public:
    PictureCard(const QString &name, QWidget *parent);

    void setPicture(const QPixmap &picture) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_paper;
};

} // namespace abacolo
