#pragma once

#include "toolkit/form.h"

namespace abacolo {

class ImageButton;
struct Services;

// The flag window: the latest reward flag, large. The counting game and the addition
// training load their flag into it and show it modally.
class TForm13 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm13)

public:
    explicit TForm13(Services &services);

    ImageButton *suiImageButton1;
};

extern TForm13 *Form13;

} // namespace abacolo
