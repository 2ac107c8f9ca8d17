#include "flash/screenfit.h"

#include <QScreen>
#include <QWidget>
#include <QtMath>

namespace abacolo {

namespace {

int scaled(int value, int multiply, int divide)
{
    return qRound(double(value) * multiply / divide);
}

} // namespace

void scaleLayout(QWidget *root, int multiply, int divide)
{
    if (multiply == divide || divide == 0)
        return;
    const QList<QWidget *> controls = root->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        const QRect g = control->geometry();
        control->setGeometry(scaled(g.x(), multiply, divide), scaled(g.y(), multiply, divide),
                             scaled(g.width(), multiply, divide),
                             scaled(g.height(), multiply, divide));
        if (control->testAttribute(Qt::WA_SetFont)) {
            QFont font = control->font();
            if (font.pixelSize() > 0)
                font.setPixelSize(qMax(1, scaled(font.pixelSize(), multiply, divide)));
            else
                font.setPointSizeF(font.pointSizeF() * multiply / divide);
            control->setFont(font);
        }
    }
}

void keepOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    QRect frame = window->frameGeometry();
    if (frame.right() > area.right())
        frame.moveRight(area.right());
    if (frame.bottom() > area.bottom())
        frame.moveBottom(area.bottom());
    if (frame.left() < area.left())
        frame.moveLeft(area.left());
    if (frame.top() < area.top())
        frame.moveTop(area.top());
    if (frame.topLeft() != window->frameGeometry().topLeft())
        window->move(frame.topLeft());
}

} // namespace abacolo
