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
    TableEdit edit(table);
    Field counter = table.fieldByName(field);
    // A counter that holds no value counts from 0.
    counter.setAsVariant(counter.asVariant().toLongLong() + 1);
    edit.post();
}

} // namespace abacolo
