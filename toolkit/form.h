#pragma once

#include "toolkit/skin.h"

#include <QWidget>

class QEventLoop;

namespace abacolo {

class SkinFrame;

// A window of the program: a frameless top-level whose skinned frame `suiForm1` draws the
// title bar inside the window, so that every position a layout gives is a window position.
//
// The toolkit's window events reach the handlers below through the handler boundary.
// Closing a window hides it; the window and its state live until the program ends.
class Form : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form)

public:
    enum class Placement { AsDesigned, ScreenCentre, MainWindowCentre };
    enum TitleButton { CloseBox = 1, MinimiseBox = 2, MaximiseBox = 4, ControlBox = 8 };

    // `instanceName` is the global instance's name; the window's object name.
    Form(const QString &instanceName, const QString &caption, QSize clientSize,
         int titleButtons = CloseBox);
    ~Form() override;

    SkinFrame *suiForm1 = nullptr;

    void setStaysOnTop(bool onTop);
    void setPlacement(Placement placement) { m_placement = placement; }

    // Window operations.
    void Show();       // modeless; a window already open comes to the front
    void ShowModal();  // returns when the window is hidden or closed
    void BringToFront();
    bool isModalShown() const { return m_modalLoop != nullptr; }

    void applySkin(const Skin &skin);
    // The skin's style sheet, also while it waits for the window's first polish.
    QString skinStyleSheet() const;

    // Window events. Public, as the toolkit's published handlers are: tests and other windows
    // may run them as the toolkit would.
    virtual void FormShow() {}
    virtual void FormActivate() {}
    // Returns false to keep the window open; the default hides it.
    virtual bool FormCloseQuery() { return true; }

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void place();

    Placement m_placement = Placement::AsDesigned;
    bool m_placed = false;
    QEventLoop *m_modalLoop = nullptr;
    QString m_waitingSheet; // the skin's sheet, set when the window is first polished
};

} // namespace abacolo
