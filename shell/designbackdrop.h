#pragma once

#include <QWidget>

#include <memory>

namespace abacolo {

// The dark screen around a scaled, centred design: a frameless window over the whole screen,
// kept below the program's windows, shown while the main window is (and not minimised).
class DesignBackdrop : public QWidget
{
    Q_OBJECT

public:
    // A backdrop behind `mainWindow` when the design is scaled (designfit.h); null otherwise.
    static std::unique_ptr<DesignBackdrop> behind(QWidget *mainWindow);

    explicit DesignBackdrop(QWidget *mainWindow);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    QWidget *m_mainWindow;
};

} // namespace abacolo
