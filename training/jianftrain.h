#pragma once

#include "toolkit/form.h"

namespace abacolo {

class FileTheme;
struct Services;

class TForm25 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm25)

public:
    explicit TForm25(Services &services);

    FileTheme *suiFileTheme1;

private:
    void FormCreate();

    Services &m_services;
};

extern TForm25 *Form25;

} // namespace abacolo
