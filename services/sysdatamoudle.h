#pragma once

#include <QObject>

namespace abacolo {

class Table;
class TableSession;

// The non-visual holder of the progress table "sys.db".
class TDataModule1 : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDataModule1)

public:
    explicit TDataModule1(TableSession &session);

    Table *Table1;
    // Opens the progress table in the data directory.
    void openTables(const QString &directory);
};

extern TDataModule1 *DataModule1;

} // namespace abacolo
