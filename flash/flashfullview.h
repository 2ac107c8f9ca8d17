#pragma once

#include "toolkit/form.h"

namespace abacolo {

class FileTheme;
struct Services;

class TForm35 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm35)

public:
    explicit TForm35(Services &services);

    FileTheme *suiFileTheme1;

private:
    void FormCreate();

    Services &m_services;
};

extern TForm35 *Form35;

} // namespace abacolo
