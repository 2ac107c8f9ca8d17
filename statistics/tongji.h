#pragma once

#include "toolkit/form.h"

namespace abacolo {

class FileTheme;
class Table;
struct Services;

class TForm17 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm17)

public:
    explicit TForm17(Services &services);

    FileTheme *suiFileTheme1;
    Table *Table1;

private:
    void FormCreate();

    Services &m_services;
};

extern TForm17 *Form17;

} // namespace abacolo
