#pragma once

#include "toolkit/form.h"

namespace abacolo {

class FileTheme;
struct Services;

class TForm6 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm6)

public:
    explicit TForm6(Services &services);

    FileTheme *suiFileTheme1;

private:
    void FormCreate();

    Services &m_services;
};

extern TForm6 *Form6;

} // namespace abacolo
