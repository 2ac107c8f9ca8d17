#pragma once

#include "toolkit/form.h"

namespace abacolo {

class FileTheme;
struct Services;

class TForm15 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm15)

public:
    explicit TForm15(Services &services);

    FileTheme *suiFileTheme1;

private:
    void FormCreate();

    Services &m_services;
};

extern TForm15 *Form15;

} // namespace abacolo
