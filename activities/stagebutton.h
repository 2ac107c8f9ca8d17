#pragma once

#include <QAbstractButton>
#include <functional>

namespace abacolo {

// A big button on an activity's black stage: a rounded face that lights up under the mouse,
// its content drawn by the activity, and a warm ring when it is marked as the answer.
class StageButton : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StageButton)

public:
    using Content = std::function<void(QPainter &, const QRectF &)>;

    StageButton(const QString &name, QWidget *parent);

    // Draws the content into the face's inner area; no content shows only the face and text.
    void setContent(Content content);
    void setMarked(bool marked);
    bool marked() const { return m_marked; }
    void setTextColor(const QColor &colour); // white unless set
    // A face of its own colour instead of the dark one.
    void setFaceColor(const QColor &colour);

    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    Content m_content;
    bool m_marked = false;
    bool m_hovered = false;
    QColor m_face{34, 34, 40};
    QColor m_textColour{Qt::white};
};

} // namespace abacolo
