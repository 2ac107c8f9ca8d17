#pragma once

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
    QPixmap picture() const override { return m_picture; }

Q_SIGNALS:
    void mouseMoved(QPoint at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    bool m_stretch;
};

} // namespace abacolo
