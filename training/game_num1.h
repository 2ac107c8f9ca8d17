#pragma once

#include "toolkit/form.h"

namespace abacolo {

class FileTheme;
struct Services;

class TForm2 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm2)

public:
    explicit TForm2(Services &services);

    FileTheme *suiFileTheme1;

private:
    void FormCreate();

    Services &m_services;
};

extern TForm2 *Form2;

} // namespace abacolo
