#pragma once

#include <QWidget>

namespace abacolo {

class PictureBox;

// The splash window, shown while the window set is created.
class TSplashForm : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSplashForm)

public:
    TSplashForm();

    PictureBox *Image1;
};

extern TSplashForm *SplashForm;

} // namespace abacolo
