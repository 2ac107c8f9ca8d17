#pragma once

#include "toolkit/form.h"

namespace abacolo {

class FileTheme;
class Table;
struct Services;

// The main window: what parent and child see for as long as the program runs.
class TmymainForm : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TmymainForm)

public:
    explicit TmymainForm(Services &services);
    ~TmymainForm() override;

    Table *Table1;
    FileTheme *suiFileTheme1;

    void FormShow() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormDestroy();
    void openTables();

    Services &m_services;
};

extern TmymainForm *mymainForm;

} // namespace abacolo
