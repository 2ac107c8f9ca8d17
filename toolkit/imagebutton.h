#pragma once

#include "toolkit/picturetarget.h"

#include <QAbstractButton>
#include <QColor>

namespace abacolo {

// A button that shows its picture stretched over its whole area and draws its caption over
// the picture (`suiImageButton`). It takes the keyboard focus when pressed.
class ImageButton : public QAbstractButton, public PictureTarget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImageButton)

public:
    ImageButton(const QString &name, QWidget *parent);

    void setPicture(const QPixmap &picture) override;
    QPixmap picture() const override { return m_picture; }

    void setCaptionColor(const QColor &colour);
    QColor captionColor() const { return m_captionColour; }

    QSize sizeHint() const override { return size(); }

Q_SIGNALS:
    void mouseEntered();
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QPixmap m_picture;
    QColor m_captionColour{Qt::black};
};

} // namespace abacolo
