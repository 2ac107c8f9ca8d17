#include "services/tablecounters.h"

#include "services/sysdatamoudle.h"
#include "tables/apperror.h"
#include "tables/tables.h"

using namespace Qt::StringLiterals;

namespace abacolo {

void TableCounters::IncrementCounter(const QString &field)
{
    if (!DataModule1)
        throw AppError(u"进度表 “sys.db” 尚未创建。"_s);
    Table &table = *DataModule1->Table1;
    table.edit();
    try {
        Field counter = table.fieldByName(field);
        // A counter that holds no value counts from 0.
        counter.setAsVariant(counter.asVariant().toLongLong() + 1);
        table.post();
    } catch (...) {
        // The error goes on to the caller; the file is not left locked by a dropped edit.
        if (table.editing())
            table.cancel();
        throw;
    }
}

} // namespace abacolo
