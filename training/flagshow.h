#pragma once

#include "toolkit/form.h"

namespace abacolo {

struct Services;

class TForm13 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm13)

public:
    explicit TForm13(Services &services);



private:
    void FormCreate();

    Services &m_services;
};

extern TForm13 *Form13;

} // namespace abacolo
