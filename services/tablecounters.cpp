#include "services/tablecounters.h"

#include "services/sysdatamoudle.h"
#include "tables/apperror.h"
#include "tables/tables.h"

#include <QtNumeric>

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
    qint64 raised = 0;
    if (qAddOverflow(counter.asVariant().toLongLong(), qint64(1), &raised))
        throw AppError(u"进度表 “sys.db” 的计数 “"_s + field
                       + u"” 已经到了能记下的最大值，不能再加了"_s);
    counter.setAsVariant(raised);
    edit.post();
}

} // namespace abacolo
