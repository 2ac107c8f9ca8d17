#pragma once

#include "toolkit/form.h"

namespace abacolo {

class FileTheme;
class Table;
struct Services;

class TForm10 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm10)

public:
    explicit TForm10(Services &services);

    FileTheme *suiFileTheme1;
    Table *Table1;

private:
    void FormCreate();

    Services &m_services;
};

extern TForm10 *Form10;

} // namespace abacolo
