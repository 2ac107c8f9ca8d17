#pragma once

#include "toolkit/form.h"

namespace abacolo {

class FileTheme;
struct Services;

class TForm32 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm32)

public:
    explicit TForm32(Services &services);

    FileTheme *suiFileTheme1;

private:
    void FormCreate();

    Services &m_services;
};

extern TForm32 *Form32;

} // namespace abacolo
