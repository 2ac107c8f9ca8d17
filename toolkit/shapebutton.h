#pragma once

#include "toolkit/picturefile.h"
#include "toolkit/picturetarget.h"

#include <QAbstractButton>

namespace abacolo {

// A picture button (`RzShapeButton`): shows its picture at the picture's own size, centred,
// on a face that lights up under the mouse and sinks a little while pressed.
class ShapeButton : public QAbstractButton, public PictureTarget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShapeButton)

public:
    ShapeButton(const QString &name, QWidget *parent);

    void setPicture(const QPixmap &picture) override;
    // The picture of a file (or resource), read when it is first drawn or asked for.
    void setPictureFile(const QString &path);
    QPixmap picture() const override;

    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    DeferredPicture m_picture;
    bool m_hovered = false;
};

} // namespace abacolo
