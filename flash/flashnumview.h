#pragma once

#include "toolkit/form.h"

namespace abacolo {

struct Services;

class TForm33 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm33)

public:
    explicit TForm33(Services &services);



private:
    void FormCreate();

    Services &m_services;
};

extern TForm33 *Form33;

} // namespace abacolo
