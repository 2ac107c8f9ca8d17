#pragma once

#include "toolkit/form.h"

namespace abacolo {

class FileTheme;
struct Services;

class TForm14 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm14)

public:
    explicit TForm14(Services &services);

    FileTheme *suiFileTheme1;

private:
    void FormCreate();

    Services &m_services;
};

extern TForm14 *Form14;

} // namespace abacolo
