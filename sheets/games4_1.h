#pragma once

#include "toolkit/form.h"

namespace abacolo {

class FileTheme;
class Table;
struct Services;

class TForm5 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm5)

public:
    explicit TForm5(Services &services);

    FileTheme *suiFileTheme1;
    Table *Table1;

private:
    void FormCreate();

    Services &m_services;
};

extern TForm5 *Form5;

} // namespace abacolo
