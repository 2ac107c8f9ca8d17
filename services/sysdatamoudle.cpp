#include "services/sysdatamoudle.h"

#include "tables/tables.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TDataModule1 *DataModule1 = nullptr;

TDataModule1::TDataModule1(TableSession &session)
    : Table1(new Table(session, u"sys.db"_s, this))
{
    setObjectName(u"DataModule1"_s);
    Table1->setObjectName(u"Table1"_s);
}

void TDataModule1::openTables(const QString &directory)
{
    Table1->setDatabaseName(directory);
    Table1->open();
}

} // namespace abacolo
