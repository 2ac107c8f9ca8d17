#include "toolkit/form.h"

#include "toolkit/handlers.h"
#include "toolkit/skinframe.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QScreen>
#include <utility>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

// The program's window that was active last, modal windows aside: activation coming from
// another of our windows is told apart from a return from a modal window or another program.
Form *lastActive = nullptr;

} // namespace

Form::Form(const QString &instanceName, const QString &caption, QSize clientSize, int titleButtons)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(instanceName);
    setWindowTitle(caption);
    resize(clientSize);
    suiForm1 = new SkinFrame(this, caption, titleButtons);
    suiForm1->setGeometry(rect());
}

Form::~Form()
{
    if (lastActive == this)
        lastActive = nullptr;
}

void Form::setStaysOnTop(bool onTop)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

void Form::Show()
{
    show();
    BringToFront();
}

void Form::BringToFront()
{
    raise();
    activateWindow();
}

void Form::ShowModal()
{
    QEventLoop loop;
    m_modalLoop = &loop;
    setWindowModality(Qt::ApplicationModal);
    Show();
    if (isVisible())
        loop.exec();
    m_modalLoop = nullptr;
    setWindowModality(Qt::NonModal);
}

void Form::applySkin(const Skin &skin)
{
    suiForm1->setSkin(skin);
    if (testAttribute(Qt::WA_WState_Polished) || skin.styleSheet.isEmpty()) {
        m_waitingSheet.clear();
        setStyleSheet(skin.styleSheet);
        return;
    }
    // A style sheet set on a window restyles every control of it as soon as one has been
    // polished (measured when laid out), and a window that is never shown would pay for
    // nothing. The sheet waits until the window is first polished (shown, grabbed or
    // measured) and then reaches every control; the controls meanwhile are polished, as Qt
    // does soon after they are made, in the plain style.
    m_waitingSheet = skin.styleSheet;
}

QString Form::skinStyleSheet() const
{
    return m_waitingSheet.isEmpty() ? styleSheet() : m_waitingSheet;
}

bool Form::event(QEvent *event)
{
    // Qt polishes every new widget from the event loop soon after it is made; a window whose
    // sheet waits is polished when it is first needed instead.
    if (event->type() == QEvent::PolishRequest && !m_waitingSheet.isEmpty())
        return true;
    if (event->type() == QEvent::Polish && !m_waitingSheet.isEmpty())
        setStyleSheet(std::exchange(m_waitingSheet, QString()));
    return QWidget::event(event);
}

void Form::place()
{
    if (m_placed || m_placement == Placement::AsDesigned)
        return;
    m_placed = true;
    QRect over;
    if (m_placement == Placement::MainWindowCentre) {
        const QWidget *main = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == u"mymainForm") {
                main = w;
                break;
            }
        }
        if (main && main != this)
            over = main->geometry();
    }
    if (over.isNull() && screen())
        over = screen()->geometry();
    QRect frame = geometry();
    frame.moveCenter(over.center());
    move(frame.topLeft());
}

void Form::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    place();
    HandlerGate::run(this, [this] { FormShow(); });
}

void Form::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (m_modalLoop && !event->spontaneous())
        m_modalLoop->quit();
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || isModalShown())
        return;
    Form *previous = lastActive;
    lastActive = this;
    if (previous != this)
        HandlerGate::run(this, [this] { FormActivate(); });
}

void Form::closeEvent(QCloseEvent *event)
{
    bool close = true;
    HandlerGate::guard([&] { close = FormCloseQuery(); });
    if (close)
        event->accept();
    else
        event->ignore();
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    suiForm1->setGeometry(rect());
}

} // namespace abacolo
