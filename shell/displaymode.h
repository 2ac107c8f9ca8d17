#pragma once

#include "shell/services.h"

#include <QSize>

namespace abacolo {

// The primary screen's size when the main window was first shown; written once, read once.
extern int SavedScreenWidth;
extern int SavedScreenHeight;

// The display as the windowing system reports it. Switching the mode is not done on this
// platform layer, so SetDisplaySize leaves the screen as it is.
class ScreenDisplay : public Display
{
public:
    QSize screenSize() const override;
    void SetDisplaySize(int width, int height) override;
};

} // namespace abacolo
