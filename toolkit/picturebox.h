#pragma once

#include "toolkit/picturefile.h"
#include "toolkit/picturetarget.h"

#include <QWidget>

namespace abacolo {

// A picture control (`Image`): shows its picture stretched to the control or at its own size.
class PictureBox : public QWidget, public PictureTarget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureBox)

public:
    PictureBox(const QString &name, QWidget *parent, bool stretch = true);

    void setPicture(const QPixmap &picture) override;
    // The picture of a file (or resource), decoded when it is first drawn or asked for: a
    // picture on a window or page not yet shown costs nothing.
    void setPictureFile(const QString &path);
    QPixmap picture() const override;

Q_SIGNALS:
    void mouseMoved(QPoint at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    DeferredPicture m_picture;
    bool m_stretch;
};

} // namespace abacolo
